b
ab
aaaab
aaaaab
ba
bb
aaaa
