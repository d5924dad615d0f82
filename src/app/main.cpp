#include "startup.h"

int main(int argc, char* argv[])
{
    return tarvello::runProgram(argc, argv);
}
