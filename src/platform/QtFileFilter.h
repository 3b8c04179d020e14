#pragma once
// File dialog filters: the program's "Description (*.ext)|*.ext|" form in the form
// QFileDialog takes.
#include <QString>

#include <string>

namespace kvr27 {

// "Desc (*.r27)|*.r27|" gives "Desc (*.r27)"; several pairs are joined with ";;".
// A description that does not show its pattern gets it appended in brackets.
QString QtFileFilter(const std::string& filter);

} // namespace kvr27
