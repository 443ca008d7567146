#include "zotctl.h"

int main(int argc, char** argv) {
    return runZotctl(argc, argv, stdout, stderr);
}
