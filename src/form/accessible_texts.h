#pragma once

// What assistive technology reads out, in the pupil's language, for every front end: the
// names and help texts of the controls and the news spoken wherever the focus is.

#include "control_model.h"

#include <string_view>

namespace tarvello::accessible {

inline constexpr std::u16string_view answerList = u"Подредени по дължина";
inline constexpr std::u16string_view answerListHelp =
    u"Щракване, интервал или Enter върху ред връща избора обратно";
inline constexpr std::u16string_view clearButtonHelp = u"Започва упражнението отначало";
inline constexpr std::u16string_view infoBox = u"Информация";
inline constexpr std::u16string_view infoBoxHelp =
    u"Описание на посочения вид или оценка на подредбата";
inline constexpr std::u16string_view kindButtonHelp = u"Посочете следващия по дължина вид панталон";

inline constexpr std::u16string_view cleared = u"Отговорите са изчистени";
inline constexpr std::u16string_view noAnswers = u"Списъкът е празен";
inline constexpr std::u16string_view news = u"Новини"; // the news's name before the first news

// The parts of the info box that assistive technology lists inside it.
inline constexpr std::u16string_view infoText = u"Текст на информацията";
inline constexpr std::u16string_view scrollUpDown = u"Превъртане нагоре и надолу";
inline constexpr std::u16string_view scrollSideways = u"Превъртане настрани";

// "Върнат: " and the name of a kind taken back.
Text takenBack(std::u16string_view kindName);

// What a click on a used kind says: that it is used, and that nothing was picked.
Text usedNotPicked(std::u16string_view kindName);

// A kind button's name: its caption, or for a used kind (no caption) "Използван: " and the
// name it had.
Text kindButtonName(std::u16string_view caption, std::u16string_view kindName);

} // namespace tarvello::accessible
