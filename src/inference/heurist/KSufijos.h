// The k-suffixes (k-tails) heuristic: two states merge when the same sample strings of at
// most K more symbols continue them.
#pragma once

#include <string>

#include "core/Lista.h"

// True when T_K(p) = T_K(q), where T_K(u) = { w : |w| <= K and u.w is in Finales }, texts
// compared without regard to letter case. Two empty sets are equal, so with K = 0 every
// two non-final states agree, and so do every two final ones.
//
// Cost: each call is two hash lookups. The first call for a list (and K) indexes it once,
// cutting each string at its last K+1 positions; the index is kept for the calls that
// follow with the same list object and K. The list is compared whole with the indexed copy
// whenever p is empty or differs from the previous call's p (a pair loop that asks all
// pairs of one first state in a row pays one comparison per state), so a list rebuilt
// between runs is never read through a stale index. A caller must not change the list
// between two calls that share a non-empty p.
bool KSufijos(const std::string& p, const std::string& q, int K, const TLista& Finales);
