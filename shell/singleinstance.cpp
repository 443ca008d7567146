#include "singleinstance.h"

#include <windows.h>

// The section "Shared" is read/write/shared: every process that maps this
// program sees the same flag.
#ifdef _MSC_VER
#pragma data_seg("Shared")
volatile LONG singleInstanceFlag = 0; // initialised, or it would not go there
#pragma data_seg()
#pragma comment(linker, "/SECTION:Shared,RWS")
#else
volatile LONG singleInstanceFlag __attribute__((section("Shared"), shared)) = 0;
#endif

// Compare-exchange, so that of two copies started at the same moment exactly
// one finds the flag clear.
bool claimSingleInstance() {
    return InterlockedCompareExchange(&singleInstanceFlag, 1, 0) == 0;
}

void releaseSingleInstance() {
    InterlockedCompareExchange(&singleInstanceFlag, 0, 1);
}
