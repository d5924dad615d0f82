#include "form.h"

namespace tarvello {

namespace contents {

const std::array<std::u16string_view, kindCount> kindNames {
    u"шорти",
    u"джамайка",
    u"бермуди",
    u"гаучо",
    u"голф",
    u"капри",
    u"брич",
};

const std::array<std::u16string_view, kindCount> kindDescriptions {
    u"шорти - до седалището;",
    u"джамайка - до средата на бедрото;",
    u"бермуди - почти до коляното;",
    u"гаучо - непосредствено под коляното;",
    u"голф - до средата на прасеца;",
    u"капри - до глезена;",
    u"брич дълъг панталон - последен в класацията",
};

const std::u16string_view assignment =
    u"Думата панталон е с италиански произход и съвременното й значение е връхна дреха.\r\n"
    u"Панталонът в началото е стандартно облекло за мъжете, а по-късно, от XX-ти век, и за "
    u"жените. През вековете видът на панталона се е променял - негови разновидности са: брич, "
    u"клин, чарлстон, шалвари, потури, джинси и др. Етикетът забранява употребата на определен "
    u"вид панталон в конкретна ситуация.\r\n"
    u"Да се реализира проект, представящ междупредметна връзка ИТ (Информационни технологии) и "
    u"Информатика.\r\n"
    u"Тема на проекта: Tarvello.\r\n"
    u"Да се въведат като радиобутони различни названия на панталон, като всяко от тях "
    u"представя определена дължина на панталон - бермуди, гаучо, голф, джамайка, дълги, "
    u"капри, шорти. Радиобутоните са наредени азбучно. Потребителят трябва да посочва "
    u"отделните видове панталони във възходяща последователност на тяхната дължина.\r\n"
    u"Всяко събитие On-Click върху активен радиобутон, го забранява и добавя името му в "
    u"отделно списъчно поле.\r\n"
    u"Всяко събитие On-Click върху ред от списъчното поле довежда до изтриване на съответния "
    u"ред и възстановяване активността на радиобутона.\r\n"
    u"След посочване и на последния вид панталон се извежда съобщение дали въведената "
    u"наредба е правилна или не.\r\n"
    u"Съберете допълнително информация за видове панталон.\r\n";

const std::u16string_view title = u"Tarvello";
const std::u16string_view answerHeading = u"по дължина";
const std::u16string_view kindFrame = u"Панталони - по азбучен ред";
const std::u16string_view clearButton = u"Чисти";

} // namespace contents

Form::Form()
{
    for (Integer i = 0; i < contents::kindCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        Option1(i).Caption(Text(contents::kindNames[row]));
        List1(1).AddItem(Text(contents::kindNames[row]));
        List1(2).AddItem(Text(contents::kindDescriptions[row]));
    }
    Text1(0).Text(Text(contents::assignment));
    Label1(0).Caption(Text(contents::title));
    Label1(1).Caption(Text(contents::answerHeading));
    Frame1.Caption(Text(contents::kindFrame));
    Command1(0).Caption(Text(contents::clearButton));
}

} // namespace tarvello
