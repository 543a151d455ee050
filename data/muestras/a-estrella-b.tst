b
ab
aab
aaaab
aaaaab
aaaaaaab
