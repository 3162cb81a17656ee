// The texts the dialogs show in message boxes.
#pragma once

inline constexpr char kDiscardChangesQuestion[] = "更新内容が破棄されます。よろしいですか？";
inline constexpr char kIntervalOutOfRangeMessage[] = "記録間隔には1から30までの数を入力してください。";
inline constexpr char kReadFailedQuestion[] = "データファイルの読み込みに失敗しました。処理を続行しますか？";
inline constexpr char kSaveChangesQuestion[] = "更新内容を保存しますか？";
inline constexpr char kSaveFailedMessage[] = "データファイルの更新に失敗しました。変更内容は保存できませんでした。";
inline constexpr char kDiscardAllQuestion[] = "すべての更新内容を破棄します。";
