// Fuzz target: the input bytes are a sequence of user events on the form, two bytes each
// (what, which). Events on members or rows that exist must raise no run-time error and keep
// every invariant; events on ones that do not exist must raise the run-time error for a
// missing member (340) or row (380) and change nothing.

#include "invariants.h"
#include "snapshot.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tarvello;
using namespace tarvello::test;

namespace {

[[noreturn]] void fail(std::size_t event, const std::string& what)
{
    std::fprintf(stderr, "event %zu: %s\n", event, what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Tarvello form;
    InfoOracle oracle(form);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t what = data[i] % 8;
        const std::uint8_t which = data[i + 1];
        const Integer rows = form.List1(0).ListCount();
        int expectedError = 0;
        bool cleared = false;
        std::function<void()> event;

        if (what < 3) { // a kind button, now and then one that does not exist
            const auto index = static_cast<Integer>(which % 9 - 1);
            expectedError = index < 0 || index > 6 ? error::NoSuchArrayElement : 0;
            event = [&form, index] { form.Option1(index).userClick(); };
        } else if (what == 3) { // any member index at all
            const auto index = static_cast<Integer>(static_cast<std::int8_t>(which));
            expectedError = index < 0 || index > 6 ? error::NoSuchArrayElement : 0;
            event = [&form, index] { form.Option1(index).userClick(); };
        } else if (what < 6) { // an answer row, no row, or a row past the end
            const auto row = static_cast<Integer>(which % (rows + 3) - 1);
            expectedError = row >= rows ? error::InvalidPropertyValue : 0;
            event = [&form, row] { form.List1(0).userClick(row); };
        } else if (what == 6) { // the clear button, or a member that does not exist
            const auto index = static_cast<Integer>(which % 8 == 7 ? 1 : 0);
            expectedError = index != 0 ? error::NoSuchArrayElement : 0;
            cleared = index == 0;
            event = [&form, index] { form.Command1(index).userClick(); };
        } else { // any list, the hidden ones too, or one that does not exist
            const auto index = static_cast<Integer>(which % 4);
            const auto row = static_cast<Integer>(which / 4 % 8 - 1);
            if (index > 2)
                expectedError = error::NoSuchArrayElement;
            else if (row >= form.List1(index).ListCount())
                expectedError = error::InvalidPropertyValue;
            event = [&form, index, row] { form.List1(index).userClick(row); };
        }

        const Snapshot before = snapshot(form);
        int raised = 0;
        try {
            event();
        } catch (const RuntimeError& e) {
            raised = e.number();
        }
        if (raised != expectedError)
            fail(i / 2,
                "run-time error " + std::to_string(raised) + ", expected " +
                    std::to_string(expectedError));
        if (raised != 0) {
            if (!(snapshot(form) == before))
                fail(i / 2, "a failed event changed the form");
            continue;
        }
        // A click on a hidden list only moves that list's selection; put it back.
        if (what == 7) {
            for (Integer list = 1; list <= 2; ++list)
                form.List1(list).ListIndex(-1);
        }
        if (const std::string broken = oracle.check(form, cleared); !broken.empty())
            fail(i / 2, broken);
    }
    return 0;
}
