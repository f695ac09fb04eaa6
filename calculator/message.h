// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

namespace Calculator {

// The library shows two modal messages (an unknown unit key, the 53 % warning
// of the valve flow) but knows no window toolkit; the window installs the
// function that actually shows them.
enum class MessageIcon { None, Exclamation };

// Marks a message's fixed text for Qt's translation tools, which the library
// does not use: lupdate reads it as QT_TRANSLATE_NOOP when run with
// -tr-function-alias QT_TRANSLATE_NOOP+=CALCULATOR_TRANSLATE_NOOP. The window
// looks the text up in that context when it shows it.
#define CALCULATOR_TRANSLATE_NOOP(context, text) text

struct Message {
    std::string_view prompt;
    std::string_view title;  // empty = the application's title
    MessageIcon icon;
};

using MessageHandler = std::function<void(const Message&)>;

// Installs the function that shows a modal message and returns when the user
// has closed it. With none installed (the default, or an empty function),
// messages are dropped and nothing blocks.
void SetMessageHandler(MessageHandler handler);

namespace detail {
// Hands a message to the installed handler, if any. The views need only live
// for the duration of the call.
void ShowMessage(const Message& message);
}  // namespace detail

}  // namespace Calculator
