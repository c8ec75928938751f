#pragma once
// Writing the row texts of a refresh. A refresh reuses the rows of an output that no table
// shows any more, so a text is written into the memory the row already holds, and left alone
// when it is already right (as an unchanged order's key mostly is).

#include <QString>

#include <string_view>

namespace OSText
{
// target := the Latin-1 characters of text followed by those of suffix.
void AssignLatin1(QString& target, std::string_view text, std::string_view suffix = {});
}
