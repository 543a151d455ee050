aaa
b
