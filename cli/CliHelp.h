#pragma once
// Help texts of dorvan-cli and its commands.
#include <string>

std::string GeneralHelp();
// The help of a command; empty for an unknown command.
std::string CommandHelp(const std::string& command);
