// Saves argv[2] to argv[1] and says by its exit code whether it was saved, for the tests that
// run a save under the fault shim.
#include "store/FileReplacement.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    return zentile::ReplaceFileContents(argv[1], argv[2]) ? 0 : 1;
}
