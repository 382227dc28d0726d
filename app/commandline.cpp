#include "commandline.h"

#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <cstring>

static const char usage[] =
    "使い方: rumita [ファイル.qip]\n"
    "オークション出品ページの本文HTMLを作ります。\n"
    "ルミタファイル (.qip) を指定すると、そのファイルを読み込んだウィンドウを開きます。\n"
    "\n"
    "  --help     この説明を表示して終了します\n"
    "  --version  版数を表示して終了します\n";

// A window needs an X or Wayland display, unless the toolkit was told to use
// a platform that shows nothing (offscreen, for instance).
static bool hasDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(':', 0, 0);
    if (!platform.isEmpty() && platform != "xcb" && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

CommandLine readCommandLine(int argc, char *argv[])
{
    CommandLine line;
    QStringList files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (optionsEnded || argument[0] != '-' || std::strcmp(argument, "-") == 0) {
            files << QString::fromLocal8Bit(argument);
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--help") == 0) {
            std::fputs(usage, stdout);
            line.exitCode = 0;
            return line;
        } else if (std::strcmp(argument, "--version") == 0) {
            std::printf("ルミタ (rumita) %s\n", RUMITA_VERSION);
            line.exitCode = 0;
            return line;
        } else {
            std::fprintf(stderr, "rumita: 知らないオプションです: %s\n%s", argument, usage);
            line.exitCode = 2;
            return line;
        }
    }
    if (files.size() > 1) {
        std::fprintf(stderr, "rumita: 開けるファイルは一つだけです\n%s", usage);
        line.exitCode = 2;
        return line;
    }
    if (!hasDisplay()) {
        std::fputs(
            "rumita: ウィンドウを表示できません (DISPLAY も WAYLAND_DISPLAY "
            "も設定されていません)\n",
            stderr);
        line.exitCode = 1;
        return line;
    }
    if (!files.isEmpty())
        line.memoPath = QFileInfo(files[0]).absoluteFilePath();
    return line;
}
