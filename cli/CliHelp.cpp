#include "CliHelp.h"

#include "PlotCommand.h"
#include "CliCommands.h"

namespace {

const char* const kExitStatus =
    "Exit status:\n"
    "  0  success\n"
    "  1  the input data has errors (run, solve, study), or set refused a\n"
    "     value; nothing was written\n"
    "  2  wrong usage, or a file could not be read, understood or written\n";

std::string SolveHelp()
{
    return std::string(
               "Usage: dorvan-cli solve FILE --branch N (--quantity | --cooling AT_M)\n"
               "                        [--criterion mst|wbgt|et|dry|wet|twl] [--limit X]\n"
               "                        [--outlet] [--range WEAKEST,STRONGEST] [--json OUT]\n"
               "                        [--quiet]\n"
               "\n"
               "Finds what branch N of the document FILE needs so that a criterion stays\n"
               "at or below a limit (at or above it for twl), by running the branch again\n"
               "and again on a copy; FILE itself is never changed.\n"
               "  --quantity  the smallest intake quantity, 0.10 to 10,000.00 m\u00B3/s. A\n"
               "              branch fed by others in sequence mode has its additional air\n"
               "              (0.00 to 100.00 m\u00B3/s) varied instead, with that air's\n"
               "              temperatures and its sources' outlets as they are stored.\n"
               "  --cooling AT_M  the weakest cooling (negative sensible heat, kW) of a spot\n"
               "              source AT_M metres from the intake that keeps the limit at\n"
               "              every result row downstream of it.\n"
               "The answer has two decimals. Printed with it are the criterion's worst\n"
               "value at the answer (the highest temperature, the lowest thermal work\n"
               "limit), where along the branch it first reaches it, and how many marches\n"
               "the answer took.\n"
               "\n"
               "Options:\n"
               "  --branch N        the branch number: its row number in the branch table\n"
               "                    (1 is the first branch), not its id\n"
               "  --criterion C     mst: mean skin temperature (the default), wbgt: WBGT,\n"
               "                    et: effective temperature, dry: dry bulb, wet: wet bulb,\n"
               "                    twl: thermal work limit (W/m\u00B2, kept at or above)\n"
               "  --limit X         the limit in \u00B0C (W/m\u00B2 for twl); by default the\n"
               "                    document's skin temperature limit for mst, 28.0 for\n"
               "                    wbgt, et and wet, 37.0 for dry and 140 for twl\n"
               "  --outlet          check the outlet only, not every result row\n"
               "  --range W,S       the cooling searched, kW, from the weakest W to the\n"
               "                    strongest S (default 0,-2000; S at least -10000)\n"
               "  --json OUT.json   write the answer as JSON; OUT '-' writes it to\n"
               "                    standard output instead of the text\n"
               "  --quiet           print errors only; the exit status tells the answer\n"
               "  -h, --help        show this help\n"
               "\n"
               "Input data errors are printed on standard error with the texts of the\n"
               "Data Errors dialog.\n"
               "\n") +
           kExitStatus + "  3  no value in the range keeps the limit (solve only)\n";
}

}  // namespace

std::string GeneralHelp()
{
    return std::string(
               "Usage: dorvan-cli COMMAND [ARGUMENTS]\n"
               "\n"
               "Reads, runs and writes Dorvan documents (.zt2) without a window.\n"
               "\n"
               "Commands:\n"
               "  new FILE            write a new, empty document\n"
               "  convert IN OUT      read a document and save it again\n"
               "  info FILE           list the branches and the settings of a document\n"
               "  run FILE [OPTIONS]  execute the simulation as the Execute command does\n"
               "  solve FILE OPTIONS  the air quantity or cooling a branch needs\n"
               "  plot FILE OPTIONS   draw the graph of a branch as SVG, PNG or PDF\n"
               "  stress OPTIONS      the heat stress of a workplace reading\n"
               "  export FILE --json OUT  the whole document as JSON\n"
               "  import JSON OUT     make a document from JSON\n"
               "  set FILE ...        type values into a branch's cells\n"
               "  study FILE ...      run every combination of varied inputs\n"
               "  help [COMMAND]      show this help or the help of a command\n"
               "\n"
               "'dorvan-cli COMMAND --help' shows the arguments of a command;\n"
               "'dorvan-cli --version' shows the version.\n"
               "\n") +
           kExitStatus;
}

std::string CommandHelp(const std::string& command)
{
    std::string text;
    if (command == "new") {
        text = "Usage: dorvan-cli new [--force] FILE\n"
               "\n"
               "Writes a new document with no branches and the default settings.\n"
               "An existing FILE is replaced only with --force. FILE '-' writes to\n"
               "standard output.\n"
               "\n"
               "Options:\n"
               "  --force      replace an existing file\n"
               "  -h, --help   show this help\n";
    } else if (command == "convert") {
        text = "Usage: dorvan-cli convert IN OUT\n"
               "\n"
               "Reads the document IN and saves it as OUT (which may be IN itself).\n"
               "A document saved by this program comes out unchanged, byte for byte.\n"
               "Table layouts written by another program that cannot be read are\n"
               "replaced by new ones; a notice on standard error says so.\n"
               "OUT '-' writes to standard output.\n"
               "\n"
               "Options:\n"
               "  -h, --help   show this help\n";
    } else if (command == "info") {
        text = "Usage: dorvan-cli info FILE\n"
               "\n"
               "Lists the branches of the document FILE (number, id, name, length,\n"
               "heat sources, stored results) and its settings.\n"
               "\n"
               "Options:\n"
               "  -h, --help   show this help\n";
    } else if (command == "run") {
        text = "Usage: dorvan-cli run FILE [--branch N] [--save OUT.zt2] [--json OUT.json]\n"
               "                          [--csv OUT.csv] [--quiet | --verbose]\n"
               "\n"
               "Executes the simulation of the document FILE as the Execute command\n"
               "does: the whole sequence when the document's sequence mode is on,\n"
               "otherwise every branch in turn, or only branch N.\n"
               "\n"
               "Options:\n"
               "  --branch N       run only branch N (1 is the first branch); not\n"
               "                   available while sequence mode is on\n"
               "  --save OUT.zt2   save the document with its new results\n"
               "  --json OUT.json  write the outlet values, the numeric result rows and\n"
               "                   the message rows of every branch run, as JSON\n"
               "  --csv OUT.csv    write one results table per branch run, as CSV\n"
               "  --quiet          print errors only: no outlet values, no guard\n"
               "                   messages, no notices\n"
               "  --verbose        print the dry-bulb guard's message for every\n"
               "                   interval it hits\n"
               "  -h, --help       show this help\n"
               "\n"
               "OUT '-' writes to standard output (one output at most). Otherwise the\n"
               "outlet values of every branch run are listed on standard output.\n"
               "Input data errors are printed on standard error with the texts of the\n"
               "Data Errors dialog; then nothing is written and the exit status is 1.\n"
               "The dry-bulb guard's message goes to standard error once per branch,\n"
               "with the count of the other intervals it hit; the run goes on.\n"
               "Every line on standard error begins with 'dorvan-cli: ' and the file.\n";
    } else if (command == "solve") {
        return SolveHelp();
    } else if (command == "plot") {
        text = PlotHelp();
    } else if (command == "stress") {
        text = StressHelp();
    } else {
        text = DocumentCommandHelp(command);
        if (text.empty())
            return {};
    }
    return text + "\n" + kExitStatus;
}

const std::vector<std::string>& CommandNames()
{
    static const std::vector<std::string> names{"new", "convert", "info", "run", "solve", "plot", "stress", "export", "import", "set", "study"};
    return names;
}

namespace {

// Text shown as it is: no filling, backslashes and leading control
// characters escaped.
std::string Verbatim(const std::string& text)
{
    std::string roff = ".nf\n";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        std::string escaped;
        for (char c : line)
            escaped += c == '\\' ? std::string("\\e") : std::string(1, c);
        if (!escaped.empty() && (escaped[0] == '.' || escaped[0] == '\''))
            escaped = "\\&" + escaped;
        roff += escaped + "\n";
        start = end + 1;
    }
    return roff + ".fi\n";
}

}  // namespace

std::string ManPage(const std::string& version)
{
    std::string page = ".TH DORVAN-CLI 1 \"\" \"Dorvan " + version + "\" \"User Commands\"\n";
    page += ".SH NAME\ndorvan-cli \\- run Dorvan mine airway documents without a window\n";
    page += ".SH SYNOPSIS\n" + Verbatim(GeneralHelp());
    page += ".SH COMMANDS\n";
    for (const std::string& name : CommandNames())
        page += ".SS " + name + "\n" + Verbatim(CommandHelp(name));
    return page;
}
