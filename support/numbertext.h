// Number texts: integers and file sizes.
#pragma once

#include "support/astr.h"

#include <cstdint>

// Signed decimal text: a leading "-" for negative values, nothing else.
AStr IntToText(int value);

// Below 1024: the number and " bytes" (the bare number in the short form);
// below 1 MiB: the size in KiB with two decimals and " Kb"; from there on the
// size in MiB with two decimals and " Mb". 4294967295 gives "4096.00 Mb",
// 5 GiB "5120.00 Mb".
AStr SizeText(std::uint64_t size, bool shortForm);
