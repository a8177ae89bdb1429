// Must not build: the editor stands below the encyclopedia and reaches it only
// through the window links, so the encyclopedia's headers are not its to see.
#include "encyclopedia/text_unpack.h"
