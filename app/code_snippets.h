// The code snippet generator: 按钮_生成代码 puts the pattern into the stored
// template of the language chosen in 组合框_类型选项.
#pragma once

namespace app {

// Event 0 of 按钮_生成代码. An empty pattern box only shows
// "请输入正则表达式"; a choice that matches no stored label does nothing.
void SnippetClicked();

}  // namespace app
