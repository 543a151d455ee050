ab
aabab
ababab
babbab
bbaab
abbbab
aaabab
bbbbab
