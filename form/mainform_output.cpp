// Preview, paste, help and exit: the commands that hand the listing to the
// outside world or leave the program. None of them changes the editor state
// but for the answers it keeps.
#include "memo/cp932.h"
#include "mainform.h"
#include "previewfile.h"
#include "userinterface.h"

void MainForm::preview()
{
    Text1.setFocus();
    // Characters the code page lacks go in as character references, so that
    // the page shows what the clipboard carries.
    const QString path = previewfile::location(state.appFolder);
    QString error;
    if (!previewfile::write(
            path, cp932::encode(state.syuturyoku + "\r\n", cp932::Unwritable::CharacterReference),
            &error)) {
        m_ui.tell(programTitle,
                  "プレビュー用のファイルを書き込めませんでした。\r\n" + path + "\r\n" + error,
                  UserInterface::Icon::Warning);
        return;
    }
    m_ui.showPreview(path);
}

void MainForm::paste()
{
    m_ui.putOnClipboard(state.syuturyoku);
    m_ui.tell(programTitle,
              "※貼り付け状態になりました!\r\n\r\n"
              "オークションの説明欄へ右クリック＞貼り付けしてください。",
              UserInterface::Icon::None);
    Text1.setFocus();
}

QString MainForm::helpText()
{
    static const QStringList items{
        "［ＨＥＬＰ］",
        "■新規作成■＞＞左上のメニューに新規作成があります。「作成中の文章は失われます」",
        "■プレビュー■＞＞すべて入力が済みましたら下のプレビューを押してください。",
        "■貼り付け状態■＞＞貼り付け状態にするとオークションの説明欄に右クリックで貼り付け出来ます"
        "。",
        "■タイトルサイズ■＞＞左下のタイトルサイズで大きさを変更できます。",
        "■省略項目■＞＞左下の支払い（銀行振り込み）その他省略にチェックを入れると省略出来ます。",
        "■書き換え■＞＞文字を入力後でも標準・カスタム等を変更すると背景だけが変更されます。",
        "■銀行の文字色■＞＞標準枠の銀行の文字色は青に固定されています。",
        "■JPNETBANK■＞＞チェックを入れるとジャパンネットバンク決算と表示されます。",
        "■HTMLソース■＞＞HTMLの進行状況が見れます。この部分が貼り付けされます。",
    };
    return items.join("\r\n\r\n");
}

void MainForm::showHelp() { m_ui.showHelp(helpText()); }

static qint16 askToExit(UserInterface &ui)
{
    return ui.ask("終了しますか？", "ルミタを終了しますか？");
}

void MainForm::exitProgram()
{
    state.confirmAnswer = askToExit(m_ui);
    if (state.confirmAnswer == UserInterface::yes)
        m_ui.quit();
}

bool MainForm::confirmClose() { return askToExit(m_ui) == UserInterface::yes; }
