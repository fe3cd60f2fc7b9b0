#pragma once
// dorvan-cli plot: the graph of one branch's stored results as an SVG, PNG
// or PDF file, drawn by the graph window's own painter without a window.
#include <iosfwd>
#include <string>
#include <vector>

int PlotCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The help of the plot command.
std::string PlotHelp();
