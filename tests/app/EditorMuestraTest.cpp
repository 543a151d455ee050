// TEditorMuestra: the sample editor's list rules.
#include "app/EditorMuestra.h"

#include <gtest/gtest.h>

namespace {

TEditorMuestra Con(std::initializer_list<const char*> entradas) {
  TEditorMuestra editor;
  editor.FormShow();
  for (const char* e : entradas) {
    editor.PonerLinea(e);
    editor.BotonInsertarClick();
  }
  return editor;
}

}  // namespace

TEST(EditorMuestra, AddsWithoutCaseInsensitiveDuplicatesOrEmptyEntries) {
  auto editor = Con({"ab", "ab", "AB", "", "&", "a", "\xC1", "\xE1"});
  EXPECT_EQ(editor.Entradas(), (TLista{"ab", "&", "a", "\xC1"}));
  EXPECT_EQ(editor.Linea(), "");
}

TEST(EditorMuestra, EditLineTakesAtMostTwentyFiveCharacters) {
  TEditorMuestra editor;
  editor.PonerLinea(std::string(30, 'a'));
  EXPECT_EQ(editor.Linea(), std::string(25, 'a'));
  EXPECT_EQ(editor.Aviso(), "Se ha cortado a 25 caracteres");
  editor.BotonInsertarClick();
  EXPECT_EQ(editor.Entradas(), TLista{std::string(25, 'a')});
  EXPECT_EQ(editor.Aviso(), "");
  editor.PonerLinea(std::string(25, 'b'));
  EXPECT_EQ(editor.Aviso(), "");
}

// What the editor refuses stays the specified behaviour; the line under the list says why.
TEST(EditorMuestra, RefusedDuplicateIsNamedAsListed) {
  auto editor = Con({"ab", "b"});
  editor.PonerLinea("AB");
  EXPECT_FALSE(editor.BotonInsertarClick());
  EXPECT_EQ(editor.Aviso(), "ab ya est\xE1 en la muestra");
  EXPECT_EQ(editor.Entradas(), (TLista{"ab", "b"}));
  editor.PonerLinea("c");
  EXPECT_TRUE(editor.BotonInsertarClick());
  EXPECT_EQ(editor.Aviso(), "");
}

TEST(EditorMuestra, BorrarRemovesTheMatchingEntryAndKeepsTheText) {
  auto editor = Con({"ab", "b", "c"});
  editor.PonerLinea("AB");
  EXPECT_TRUE(editor.BotonBorrarClick());
  EXPECT_EQ(editor.Entradas(), (TLista{"b", "c"}));
  EXPECT_EQ(editor.Linea(), "AB");
  editor.PonerLinea("zz");
  EXPECT_FALSE(editor.BotonBorrarClick());
  EXPECT_EQ(editor.Entradas(), (TLista{"b", "c"}));
}

TEST(EditorMuestra, ChoosingAnEntryCopiesItToTheEditLine) {
  auto editor = Con({"ab", "b"});
  editor.ElegirEntrada(1);
  EXPECT_EQ(editor.Linea(), "b");
  editor.ElegirEntrada(7);
  EXPECT_EQ(editor.Linea(), "b");
  editor.BotonBorrarClick();
  EXPECT_EQ(editor.Entradas(), TLista{"ab"});
}

TEST(EditorMuestra, CancelAndReopeningStartEmpty) {
  auto editor = Con({"a", "b"});
  editor.PonerLinea("c");
  editor.BotonCancelarClick();
  EXPECT_TRUE(editor.Entradas().empty());
  EXPECT_EQ(editor.Linea(), "");
  editor = Con({"a"});
  editor.FormShow();
  EXPECT_TRUE(editor.Entradas().empty());
}
