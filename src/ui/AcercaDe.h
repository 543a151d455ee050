// AcercaDe: the about box TFacercaDe.
#pragma once

#include <QDialog>

class TFacercaDe : public QDialog {
  Q_OBJECT
 public:
  explicit TFacercaDe(QWidget* padre = nullptr);
};
