// Built with the project's own compile options: a copy into a buffer of known size, which
// _FORTIFY_SOURCE turns into a checked call. The program itself has no such call, so this
// object shows whether the options fortify.
#include <cstddef>
#include <cstring>

extern "C" void tarvelloFortifyProbe(const char* source, std::size_t size, void (*use)(char*))
{
    char target[16];
    std::memcpy(target, source, size);
    use(target);
}
