#include "core/ui/ScriptedInteraction.h"

namespace zorind {

namespace {
template <class T> T take(std::deque<T>& queue, T fallback)
{
    if (queue.empty()) {
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
} // namespace

void ScriptedInteraction::message(std::string_view text, std::string_view caption, MessageKind kind)
{
    shown.push_back({std::string(text), std::string(caption), kind, false});
    onShown(shown.back());
}

bool ScriptedInteraction::question(std::string_view text, std::string_view caption, MessageKind icon)
{
    shown.push_back({std::string(text), std::string(caption), icon, true});
    onShown(shown.back());
    return take(answers, defaultAnswer);
}

std::optional<bool> ScriptedInteraction::questionWithCancel(std::string_view text, std::string_view caption)
{
    shown.push_back({std::string(text), std::string(caption), MessageKind::Exclamation, true});
    onShown(shown.back());
    return take(choices, defaultChoice);
}

std::optional<std::string> ScriptedInteraction::promptText(std::string_view caption, std::string_view prompt,
                                                           std::string_view)
{
    shown.push_back({std::string(prompt), std::string(caption), MessageKind::Information, true});
    return take(texts, std::optional<std::string>{});
}

std::optional<double> ScriptedInteraction::promptNumber(std::string_view caption, std::string_view prompt, double)
{
    shown.push_back({std::string(prompt), std::string(caption), MessageKind::Information, true});
    return take(numbers, std::optional<double>{});
}

std::optional<std::string> ScriptedInteraction::chooseOpenFile(const FileDialogSpec& request)
{
    fileDialogs.push_back(request);
    return take(files, std::optional<std::string>{});
}

std::optional<std::string> ScriptedInteraction::chooseSaveFile(const FileDialogSpec& request)
{
    fileDialogs.push_back(request);
    return take(files, std::optional<std::string>{});
}

void ScriptedInteraction::busy(bool)
{
    ++busyCalls;
}

std::vector<std::string> ScriptedInteraction::textsShown() const
{
    std::vector<std::string> out;
    out.reserve(shown.size());
    for (const auto& s : shown) {
        out.push_back(s.text);
    }
    return out;
}

} // namespace zorind
