// The window's tooltips: what each tool does, with the keys that do the same.

#include "data/Translate.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/DiagramRegistry.h"
#include "res/ControlIds.h"

#include <string>
#include <utility>
#include <vector>

void CMainDlg::addToolTips()
{
    m_toolTip.Create(this, 0);
    std::vector<std::pair<int, std::string>> tools {
        { IDC_PLAY_PAUSE,
            tx("MainWindow", "再生/一時停止") + "\n"
                + tx("MainWindow",
                    "Space・PageDown: 再生/一時停止　Home: 最初から\n"
                    "→ ←: 一時停止中に1点ずつ進む/戻る") },
        { IDC_TEACH_CORRECTION,
            tx("MainWindow", "教示中のﾎﾟｲﾝﾄ修正") + "\n"
                + tx("MainWindow",
                    "Ctrl+クリック: 近い区間に挿入　右クリック: その点を削除\n"
                    "Delete: 選んだ点を削除　Ctrl+Z: 元に戻す　Ctrl+Y: やり直し\n"
                    "F2: 座標を入力") },
        { IDC_ZOOM_IN, tx("MainWindow", "ｽﾞｰﾑｲﾝ") + " (+)" },
        { IDC_ZOOM_OUT, tx("MainWindow", "ｽﾞｰﾑｱｳﾄ") + " (-)" },
        { IDC_SCROLL_UP, tx("MainWindow", "上ｽｸﾛｰﾙ") },
        { IDC_SCROLL_RIGHT, tx("MainWindow", "右ｽｸﾛｰﾙ") },
        { IDC_SCROLL_LEFT, tx("MainWindow", "左ｽｸﾛｰﾙ") },
        { IDC_SCROLL_DOWN, tx("MainWindow", "下ｽｸﾛｰﾙ") },
    };
    for (const DiagramDescriptor &d : diagramRegistry())
        tools.emplace_back(d.runButton.controlId, tx(d.runButton.tipContext, d.runButton.tip));
    tools.emplace_back(IDC_SLIDER_MODE, tx("MainWindow", "相関図 データ位置スライダ指定"));
    for (const auto &[id, text] : tools)
        m_toolTip.AddTool(GetDlgItem(id), text);
}
