// The lines of the text files the workbench reads, which may come with CRLF
// line ends.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace tarvex {

// LINE, without its line feed, as the workbench's readers take it: without
// the one "\r" that a CRLF line end leaves at its end.
std::string_view WithoutCarriageReturn(std::string_view line);

// std::getline, with LINE as WithoutCarriageReturn gives it.
std::istream& ReadTextLine(std::istream& in, std::string& line);

}  // namespace tarvex
