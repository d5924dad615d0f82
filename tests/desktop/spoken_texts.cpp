// Prints the texts that the program shows and speaks, one "KEY<TAB>TEXT" a line, so that the
// desktop tests take each text from the program itself. By kind index K: name.K,
// description.K, used.K (a used kind's button), not-picked.K (Space on a used kind) and
// taken-back.K; then correct, wrong, info, list, clear, cleared and empty (the empty list).

#include "accessibility.h"
#include "support.h"

#include <cstdio>

using namespace tarvello;
using namespace tarvello::test;

namespace {

void print(const QString& key, const QString& text)
{
    std::printf("%s\t%s\n", qPrintable(key), text.toUtf8().constData());
}

} // namespace

int main()
{
    for (int kind = 0; kind < contents::kindCount; ++kind) {
        const QString& name = names[kind];
        print(QString("name.%1").arg(kind), name);
        print(QString("description.%1").arg(kind), descriptions[kind]);
        print(QString("used.%1").arg(kind), access::kindButtonName(QString(), name));
        print(QString("not-picked.%1").arg(kind), access::usedNotPicked(name));
        print(QString("taken-back.%1").arg(kind), access::takenBack(name));
    }
    print("correct", correct);
    print("wrong", wrong);
    print("info", access::infoBox);
    print("list", access::answerList);
    print("clear", qs(contents::clearButton));
    print("cleared", access::cleared);
    print("empty", access::noAnswers);
    return 0;
}
