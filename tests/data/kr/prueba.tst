ab
aab
ba
b
bb
