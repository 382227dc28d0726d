#pragma once

#include "form/mainform.h"

#include <QMainWindow>

class DesktopInterface;

// The main window: builds the widgets at their fixed places and mirrors the
// form's control models. All behaviour lives in MainForm.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder holds the sample pictures, and prev.html when the user can write there.
    explicit MainWindow(const QString &programFolder, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainForm &form() { return *m_form; }
    DesktopInterface &desktop() { return *m_desktop; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildInputPanel(QWidget *client);
    void buildFramePanel(QWidget *client);
    void buildSourceAndCommands(QWidget *client);
    void setTabOrder();

    std::unique_ptr<DesktopInterface> m_desktop;
    std::unique_ptr<MainForm> m_form;
};
