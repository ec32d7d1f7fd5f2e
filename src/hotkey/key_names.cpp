#include "hotkey/key_names.h"

#include <map>
#include <string>

#include "ui/window/ui_text.h"

namespace zurvane {

namespace {

struct NamedKey {
    int code;
    const char* name;  // UTF-8
};

// The keys whose names are not built from a digit, a letter or an F-number. "Break" has no
// 键, "Caps Lock键" has a space, "NumLock键" and "ScrollLock键" have none.
constexpr NamedKey other_keys[] = {
    {3, "Break"},          {8, "退格键"},    {13, "回车键"},      {16, "Shift键"},
    {17, "Ctrl键"},        {18, "Alt键"},    {19, "Pause键"},     {20, "Caps Lock键"},
    {27, "Esc键"},         {32, "空格键"},   {33, "PageUp键"},    {34, "PageDown键"},
    {35, "End键"},         {36, "Home键"},   {37, "左光标键"},    {38, "上光标键"},
    {39, "右光标键"},      {40, "下光标键"}, {45, "Ins键"},       {46, "Del键"},
    {91, "Win键"},         {106, "乘号键"},  {107, "加号键"},     {144, "NumLock键"},
    {145, "ScrollLock键"}, {186, "分号键"},  {187, "等号键"},     {188, "逗号键"},
    {189, "减号键"},       {190, "圆点键"},  {191, "除号键"},     {192, "反撇号键"},
    {219, "左中括号键"},   {220, "斜杠键"},  {221, "右中括号键"}, {222, "单引号键"},
};

std::map<int, Text> build_table() {
    std::map<int, Text> table;
    for (char digit = '0'; digit <= '9'; ++digit)
        table[digit] = ui_text(std::string(1, digit) + "键");
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        table[letter] = ui_text(std::string(1, letter) + "键");
    for (int n = 1; n <= 16; ++n) table[111 + n] = ui_text("F" + std::to_string(n) + "键");
    for (const auto& key : other_keys) table[key.code] = ui_text(key.name);
    return table;
}

}  // namespace

Text key_name(int code) {
    static const std::map<int, Text> table = build_table();
    auto it = table.find(code);
    return it == table.end() ? Text() : it->second;
}

}  // namespace zurvane
