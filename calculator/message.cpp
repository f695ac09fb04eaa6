// SPDX-License-Identifier: MIT
#include "calculator/message.h"

#include <utility>

namespace Calculator {

namespace {

MessageHandler& InstalledHandler()
{
    static MessageHandler handler;
    return handler;
}

}  // namespace

void SetMessageHandler(MessageHandler handler)
{
    InstalledHandler() = std::move(handler);
}

namespace detail {

void ShowMessage(const Message& message)
{
    // Call a copy, so a handler that installs another one while its box is
    // open does not destroy itself mid-call.
    const MessageHandler handler = InstalledHandler();
    if (handler)
        handler(message);
}

}  // namespace detail

}  // namespace Calculator
