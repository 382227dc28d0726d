#pragma once

#include <QString>

#include <optional>

// The command line, read before the toolkit starts: `rumita [FILE]`, with
// --help and --version. The menu entry passes the file a double-click opens.
struct CommandLine {
    std::optional<int> exitCode;  // set when the program is to end at once
    QString memoPath;             // a memo file to open in the fresh window
};

// Reads the arguments and prints the usage or an error where they ask for one
// or are wrong. Without a display to show the window on, says so in one line.
CommandLine readCommandLine(int argc, char *argv[]);
