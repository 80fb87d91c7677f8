// lumora: the command-line tool of the Lumora Write Utility.

#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli_session.h"
#include "cli/qt_application.h"

namespace lumora::cli {

void PrintUsage(const std::string& command) {
  const char* global =
      "Global options:\n"
      "  --install-dir DIR   the install tree (dll/, driver/, Firmware/); default: LUMORA_INSTALL_DIR,\n"
      "                      the machine-wide \"Install Dir\", or the folder above this program's bin/\n"
      "  --port NAME         serial port: COM1..COM4 or a device path such as /dev/ttyUSB0\n"
      "                      (default: the machine-wide \"Port\"). Before the command's name --port is\n"
      "                      always the serial port; after it, export, import, messages, addresses,\n"
      "                      report and diff take --port N as their multiplexer port 1 to 5\n"
      "  --log FILE          write the communication log to FILE\n"
      "  --backup FILE       answer yes to the backup offer of an old project file, copying it to FILE\n"
      "  --map FILE          the tag map to use when a project's linked map has moved\n"
      "  --apply-map         answer yes when the tag map changes the project\n"
      "  --version           print the program's version\n"
      "  -h, --help          this help; 'lumora COMMAND --help' for a command\n";
  if (command == "check") {
    std::printf(
        "usage: lumora check FILE.lmx\n\n"
        "Loads a project, its PLC library and checks every PLC address.\n\n%s",
        global);
  } else if (command == "save-as") {
    std::printf(
        "usage: lumora save-as IN.lmx OUT.lmx\n\n"
        "Loads a project and writes it in the current file format.\n\n%s",
        global);
  } else if (command == "show") {
    std::printf(
        "usage: lumora show FILE.lmx\n\n"
        "Lists the panels, their messages and every PLC address with its access.\n\n%s",
        global);
  } else if (command == "diff") {
    std::printf(
        "usage: lumora diff A.lmx B.lmx [--port N]\n\n"
        "Lists what differs between two project files, one line per difference, A's value first:\n"
        "  Port 1 (QM210), message 3, text: \"OLD\" / \"NEW\"\n"
        "Messages are matched by number. --port N compares only the panels on multiplexer port N.\n"
        "Exit status: 0 the same, 1 different, 2 usage error or a file that cannot be read.\n\n%s",
        global);
  } else if (command == "write") {
    std::printf(
        "usage: lumora write FILE.lmx [--target panel1..panel5|multiplexer|project] [--direct]\n"
        "                    [--keep-previous]\n\n"
        "Writes a project into the panel, or into the multiplexer and the panels behind it.\n"
        "--keep-previous reads the unit's project first (the panel, or the whole multiplexer system) and\n"
        "keeps it in the panel history as \"before write\"; a read that fails writes nothing.\n\n%s",
        global);
  } else if (command == "read") {
    std::printf(
        "usage: lumora read OUT.lmx\n\nReads the project from the connected panel or multiplexer.\n\n%s",
        global);
  } else if (command == "verify") {
    std::printf(
        "usage: lumora verify FILE.lmx [--diff]\n\n"
        "Reads the connected unit and compares it with the project file.\n\n%s",
        global);
  } else if (command == "info") {
    std::printf(
        "usage: lumora info [--project FILE.lmx]\n\n"
        "Shows the connected panel's or multiplexer's model, firmware, memory and driver.\n\n%s",
        global);
  } else if (command == "clear") {
    std::printf("usage: lumora clear [--project FILE.lmx]\n\nClears the memory of the panel(s).\n\n%s",
                global);
  } else if (command == "export") {
    std::printf(
        "usage: lumora export FILE.lmx OUT.lmx [--port N]\n\n"
        "Writes the panel on multiplexer port N (default: the project's selected port) as a single-panel\n"
        "project file.\n\n%s",
        global);
  } else if (command == "import") {
    std::printf(
        "usage: lumora import FILE.lmx FROM.lmx [--from-port N] [--port M] [-o OUT.lmx]\n\n"
        "Puts the panel of FROM.lmx (the one on port N of a multi-panel project) in place of the panel on\n"
        "port M of FILE.lmx (default: its selected port), keeping FILE's PLC, and saves the result to "
        "OUT.lmx\n"
        "(default: FILE.lmx).\n\n%s",
        global);
  } else if (command == "addresses") {
    std::printf(
        "usage: lumora addresses FILE.lmx [--port N] [--csv] [--pdf OUT.pdf [--paper a4|letter]]\n\n"
        "Lists the system PLC addresses of the panel on port N (default: the project's selected port), then\n"
        "every address its messages use. --csv writes the table as CSV (RFC 4180) with a header row; --pdf\n"
        "writes the printed address list to OUT.pdf.\n\n%s",
        global);
  } else if (command == "report") {
    std::printf(
        "usage: lumora report FILE.lmx -o OUT.pdf [--port N] [--pages A-B] [--mono] [--landscape]\n"
        "                     [--paper a4|letter]\n\n"
        "Writes the project documentation of the panel on port N (default: the project's selected port) as\n"
        "printed: page 1 with the project's settings, then the messages. --pages prints a page or a range\n"
        "(3-4, 2-); --mono prints in black only; the paper defaults to the locale's (A4 or Letter).\n\n%s",
        global);
  } else if (command == "messages") {
    std::printf(
        "usage: lumora messages export FILE.lmx [--port N] [-o OUT.csv]\n"
        "       lumora messages import FILE.lmx IN.csv [--port N] [-o OUT.lmx]\n\n"
        "export writes the messages of the panel on port N (default: the project's selected port) as a CSV\n"
        "table (RFC 4180, UTF-8, one row per message) to OUT.csv or the standard output. import replaces\n"
        "that panel's messages with the rows of IN.csv, checked with the project's rules and its PLC, and\n"
        "saves the project to OUT.lmx (default: FILE.lmx); any problem is one line FILE:ROW:COLUMN: reason,\n"
        "and nothing is written. A text writes N positions of data item K as {K:N}, the PLC-controlled\n"
        "decimal point as {.} and the character { as {{.\n\n%s",
        global);
  } else if (command == "convert-plc") {
    std::printf(
        "usage: lumora convert-plc FILE.lmx --plc NAME [-o OUT.lmx] [--force] [--map FILE.map]\n\n"
        "Changes the project's PLC to the installed PLC NAME and saves the result to OUT.lmx (default:\n"
        "FILE.lmx). A compatible PLC converts every PLC address and prints one line per address: old\n"
        "address, new address, remark (tab separated). Any other PLC needs --force and clears every PLC\n"
        "address; a Plan & Run PLC needs --map, the tag map the project's addresses are named by.\n\n%s",
        global);
  } else if (command == "history") {
    std::printf(
        "usage: lumora history [--project NAME] [--model NAME] [--json]\n"
        "       lumora history show N\n"
        "       lumora history open N OUT.lmx\n\n"
        "Every successful write and read keeps the project that went over the wire in the panel history\n"
        "($XDG_DATA_HOME/lumora/history, else ~/.local/share/lumora/history), with the date and time, the\n"
        "target, the port, the unit's model and firmware and the project's file name. Without an action it\n"
        "lists the entries, newest first; --project and --model keep those whose file name or model contain\n"
        "NAME (case ignored); --json writes them as a JSON array for scripts. show prints entry N and a\n"
        "summary of its project as 'lumora show' prints it; open saves its project to OUT.lmx. The history\n"
        "keeps the newest 500 entries (the per-user setting History/Limit).\n\n%s",
        global);
  } else if (command == "firmware") {
    std::printf(
        "usage: lumora firmware FILE [--multiplexer] [--project FILE.lmx]\n\n"
        "Upgrades the firmware of a panel (Intel HEX) or of the multiplexer (S-record).\n\n%s",
        global);
  } else {
    std::printf(
        "usage: lumora [options] COMMAND [arguments] [options]\n\n"
        "Commands:\n"
        "  check FILE.lmx           load a project and check its PLC addresses\n"
        "  save-as IN.lmx OUT.lmx   write a project in the current format\n"
        "  show FILE.lmx            list panels, messages and addresses\n"
        "  diff A.lmx B.lmx         list the differences of two project files\n"
        "  write FILE.lmx           write a project to the panel(s)\n"
        "  read OUT.lmx             read the project from the panel(s)\n"
        "  verify FILE.lmx          compare the panel(s) with a project\n"
        "  info                     show the connected unit\n"
        "  clear                    clear the panel(s)\n"
        "  firmware FILE            upgrade firmware\n"
        "  export FILE.lmx OUT.lmx  write one panel as a single-panel project\n"
        "  import FILE.lmx FROM.lmx put a panel of another project in place of one\n"
        "  addresses FILE.lmx       list the PLC addresses of a panel\n"
        "  report FILE.lmx -o PDF   write the project documentation as a PDF file\n"
        "  messages export|import  a panel's messages as a CSV table, out and back in\n"
        "  convert-plc FILE.lmx     change a project's PLC (--plc NAME)\n"
        "  history [show|open N]    what was written to and read from the units\n\n"
        "Run 'lumora COMMAND --help' for a command's options.\n\n%s",
        global);
  }
}

}  // namespace lumora::cli

int main(int argc, char** argv) {
  using namespace lumora::cli;
  InstallEarlyCliTranslation(argc, argv);
  Arguments arguments;
  if (std::optional<int> exitCode = ParseArguments(argc, argv, arguments)) return *exitCode;
  if (arguments.Has("--version")) {
    std::printf("%s\n", LoadVersion(arguments).c_str());
    return kExitOk;
  }
  if (!CheckCommandFiles(arguments)) return kExitUsage;
  std::unique_ptr<QCoreApplication> qt = StartQtApplication(arguments);
  Session session(arguments);
  if (IsFileCommand(arguments.command)) return RunFileCommand(session);
  if (IsPanelCommand(arguments.command)) return RunPanelCommand(session);
  if (IsPlcCommand(arguments.command)) return RunPlcCommand(session);
  if (IsMessageCommand(arguments.command)) return RunMessageCommand(session);
  if (IsReportCommand(arguments.command)) return RunReportCommand(session);
  if (IsHistoryCommand(arguments.command)) return RunHistoryCommand(session);
  return RunTransferCommand(session);
}
