#pragma once
// Help texts of dorvan-cli and its commands.
#include <string>
#include <vector>

std::string GeneralHelp();
// The help of a command; empty for an unknown command.
std::string CommandHelp(const std::string& command);

// The help of export, import, set and study; empty for other commands.
std::string DocumentCommandHelp(const std::string& command);

// The commands, in the order the general help lists them.
const std::vector<std::string>& CommandNames();

// The manual page (roff), made of the general help and every command's
// help, so that the two never disagree.
std::string ManPage(const std::string& version);
