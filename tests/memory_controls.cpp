#include "tests/memory_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/mbstring.h"

void CMemoryButton::Click()
{
    if (m_bCheckBox)
        SetCheck(GetCheck() == 1 ? 0 : 1);
    Notify();
}

bool CMemoryDateTimePicker::SetTime(const COleDateTime& time)
{
    if (!time.IsValid())
        return false;
    m_time = time;
    m_text = time.FormatHourMinute();
    return true;
}

void CMemoryDateTimePicker::UserSetTime(int hour, int minute)
{
    COleDateTime time;
    ASSERT_TRUE(time.SetDateTime(1899, 12, 30, hour, minute, 0));
    SetTime(time);
    Notify();
}

void CMemorySpinButton::SetRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
}

void CMemorySpinButton::SetPos(int position)
{
    m_position = std::clamp(position, m_lower, m_upper);
    m_buddy.SetText(std::to_string(m_position));
}

bool CMemorySpinButton::GetPos(int& position) const
{
    const std::string text = m_buddy.GetText();
    const bool isNumber = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    const int typed = isNumber ? ReadAtoi(text) : m_position;
    position = std::clamp(typed, m_lower, m_upper);
    return isNumber && typed == position;
}

void CMemoryComboBox::SetCurSel(int index)
{
    m_curSel = index >= 0 && index < GetCount() ? index : -1;
}

void CMemoryComboBox::InsertString(int index, const std::string& text)
{
    if (index < 0 || index > GetCount())
        index = GetCount();
    m_items.insert(m_items.begin() + index, text);
}

std::string CMemoryComboBox::GetLBText(int index) const
{
    return index >= 0 && index < GetCount() ? m_items[static_cast<size_t>(index)] : std::string();
}

void CMemoryListView::InsertColumn(int column, const std::string& heading, Align align, int width)
{
    m_columns.insert(m_columns.begin() + std::min<size_t>(static_cast<size_t>(column), m_columns.size()),
                     Column{heading, align, width});
}

int CMemoryListView::GetColumnWidth(int column) const
{
    return column >= 0 && column < static_cast<int>(m_columns.size()) ? m_columns[static_cast<size_t>(column)].width
                                                                      : 0;
}

void CMemoryListView::DeleteAllItems()
{
    m_rows.clear();
    m_selectionMark = -1;
}

void CMemoryListView::InsertItem(int row, const std::string& text)
{
    std::vector<std::string> cells(std::max<size_t>(m_columns.size(), 1));
    cells[0] = text;
    row = std::clamp(row, 0, GetItemCount());
    m_rows.insert(m_rows.begin() + row, cells);
}

void CMemoryListView::SetItemText(int row, int column, const std::string& text)
{
    ASSERT_GE(row, 0);
    ASSERT_LT(row, GetItemCount());
    std::vector<std::string>& cells = m_rows[static_cast<size_t>(row)];
    ASSERT_GE(column, 0);
    ASSERT_LT(static_cast<size_t>(column), cells.size());
    cells[static_cast<size_t>(column)] = text;
}

std::string CMemoryListView::GetItemText(int row, int column) const
{
    if (row < 0 || row >= GetItemCount())
        return std::string();
    const std::vector<std::string>& cells = m_rows[static_cast<size_t>(row)];
    return column >= 0 && static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)]
                                                                     : std::string();
}

IMessageBox::Answer CMemoryMessageBox::Show(const std::string& text, Buttons buttons, Icon icon)
{
    m_shown.push_back(Shown{text, buttons, icon});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box";
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void CMemoryDialogWindow::EndDialog(int result)
{
    EXPECT_FALSE(m_bEnded) << "the dialog ended twice";
    m_bEnded = true;
    m_result = result;
}
