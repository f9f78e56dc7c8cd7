#include "nuvo/Ork_Array.h"

#include "cadhost/CommandLine.h"

namespace nuvo {

void reportInvalidIndex(bool insert) {
    acutPrintf(insert ? u"*Error* Invalid index passed to insert.\n" : u"*Error* Invalid index passed to remove.\n");
}

} // namespace nuvo
