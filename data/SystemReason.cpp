#include "data/SystemReason.h"

#include "data/AtomicFile.h"
#include "data/Translate.h"

#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

std::string systemReason(int errorNumber)
{
    static constexpr std::array<std::pair<int, const char *>, 14> kReasons { {
        { ENOSPC, TX_NOOP("SystemReason", "ディスクの空き容量がありません") },
        { EDQUOT, TX_NOOP("SystemReason", "ディスクの使用量の上限を超えています") },
        { EACCES, TX_NOOP("SystemReason", "アクセス権がありません") },
        { EPERM, TX_NOOP("SystemReason", "この操作は許可されていません") },
        { EROFS, TX_NOOP("SystemReason", "読み取り専用の場所です") },
        { ENOENT, TX_NOOP("SystemReason", "ファイルまたはフォルダーがありません") },
        { ENOTDIR, TX_NOOP("SystemReason", "途中の名前がフォルダーではありません") },
        { EISDIR, TX_NOOP("SystemReason", "フォルダーです") },
        { EEXIST, TX_NOOP("SystemReason", "同じ名前のファイルがあります") },
        { ENAMETOOLONG, TX_NOOP("SystemReason", "名前が長すぎます") },
        { ELOOP, TX_NOOP("SystemReason", "シンボリックリンクが循環しています") },
        { EIO, TX_NOOP("SystemReason", "入出力エラーが発生しました") },
        { EFBIG, TX_NOOP("SystemReason", "ファイルが大きすぎます") },
        { ENODEV, TX_NOOP("SystemReason", "通常のファイルではありません") },
    } };
    for (const auto &[number, reason] : kReasons)
        if (number == errorNumber)
            return tx("SystemReason", reason);
    return fillIn(tx("SystemReason", "システムエラー %1: %2"),
        { std::to_string(errorNumber), std::generic_category().message(errorNumber) });
}

std::string writeFailureReason(const FileWriteResult &result)
{
    return result.errorNumber != 0 ? systemReason(result.errorNumber) : result.error;
}
