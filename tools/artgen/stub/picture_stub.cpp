// Built instead of the large-picture renderer when it is not in the tree, so
// the sprite sheets can still be made; only `picture` outputs fail.
#include "picture_stub.h"

bool RenderPicture(const std::string&, const std::string&, Canvas&, std::string& err) {
    err = "pictures not available in this build";
    return false;
}
