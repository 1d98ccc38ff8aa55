#include "data/SystemReason.h"

#include "data/AtomicFile.h"

#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

std::string systemReason(int errorNumber)
{
    static constexpr std::array<std::pair<int, const char *>, 14> kReasons { {
        { ENOSPC, "ディスクの空き容量がありません" },
        { EDQUOT, "ディスクの使用量の上限を超えています" },
        { EACCES, "アクセス権がありません" },
        { EPERM, "この操作は許可されていません" },
        { EROFS, "読み取り専用の場所です" },
        { ENOENT, "ファイルまたはフォルダーがありません" },
        { ENOTDIR, "途中の名前がフォルダーではありません" },
        { EISDIR, "フォルダーです" },
        { EEXIST, "同じ名前のファイルがあります" },
        { ENAMETOOLONG, "名前が長すぎます" },
        { ELOOP, "シンボリックリンクが循環しています" },
        { EIO, "入出力エラーが発生しました" },
        { EFBIG, "ファイルが大きすぎます" },
        { ENODEV, "通常のファイルではありません" },
    } };
    for (const auto &[number, reason] : kReasons)
        if (number == errorNumber)
            return reason;
    return "システムエラー " + std::to_string(errorNumber) + ": "
        + std::generic_category().message(errorNumber);
}

std::string writeFailureReason(const FileWriteResult &result)
{
    return result.errorNumber != 0 ? systemReason(result.errorNumber) : result.error;
}
