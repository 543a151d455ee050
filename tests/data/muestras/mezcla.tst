a
b
cd