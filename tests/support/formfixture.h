#pragma once

// A started main form over a scripted desktop, driven as a seller drives the
// window, for tests of what the handlers and commands do without a display.
#include "form/mainform.h"
#include "scriptedinterface.h"

#include <QTest>

struct FormFixture {
    explicit FormFixture(const QString &folder = "/opt/rumita") : form(ui, folder) { form.startUp(); }
    ScriptedInterface ui;
    MainForm form;
    EditorState &s = form.state;

    // "Text2=a\r\nb" types a text, "Check7" clicks a box, "Check7:2" sets its
    // state as a memo file does, "Combo1:3" picks an item, "Combo1=3" selects
    // it in code; "New", "Open" and "Save" run those commands.
    void act(const QStringList &actions);

    // What the window shows of each control but the pictures: "name=value
    // enabled points red,green,blue".
    QStringList controls() const;
};

QByteArray contents(const QString &path);

// A file of the memo corpus in tests/data/memo.
QString memoData(const QString &name);
