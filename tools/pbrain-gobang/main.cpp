#include "go/engine/GoEngine.h"
#include "tools/pbrain-gobang/BrainProtocol.h"

#include <iostream>

int main()
{
    std::ios::sync_with_stdio(false);
    CGoEngine engine;
    CBrainProtocol protocol(engine, std::cin, std::cout);
    return protocol.Run();
}
