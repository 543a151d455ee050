ab
ba
abab
b
