#pragma once

#include "Runtime.h"

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

struct MessageBoxCall {
    std::string prompt;
    std::optional<std::string> title;
};

// Records every window operation in order, so tests can check what a choice did and when.
class RecordingRuntime : public preview::Runtime {
public:
    std::array<int, 8> indices{-1, -1, -1, -1, -1, -1, -1, -1}; // [1..7] used
    std::array<std::string, 8> texts;
    // Files that load: name -> error number (0 loads a picture). Any other name is missing.
    std::map<std::string, preview::ErrorNumber> files;
    bool throwWhileEmptying = false;
    bool throwWhileLoading = false;

    mutable std::vector<std::string> calls; // listIndex is const but still worth recording
    std::vector<MessageBoxCall> messages;
    std::string shownPicture; // what Image1 shows, "" for nothing

    void setListText(int list, std::string_view text) override
    {
        calls.push_back("text " + std::to_string(list) + " '" + std::string(text) + "'");
        if (throwWhileEmptying)
            throw std::runtime_error("list refused its text");
        texts.at(static_cast<std::size_t>(list)) = text;
    }

    int listIndex(int list) const override
    {
        calls.push_back("index " + std::to_string(list));
        return indices.at(static_cast<std::size_t>(list));
    }

    preview::ErrorNumber loadPicture(std::string_view fileName) override
    {
        calls.push_back("load " + std::string(fileName));
        if (throwWhileLoading)
            throw std::runtime_error("decoder blew up");
        const auto it = files.find(std::string(fileName));
        if (it == files.end())
            return preview::kErrFileNotFound;
        if (it->second == preview::kNoError)
            shownPicture = fileName;
        return it->second;
    }

    void msgBox(std::string_view prompt, std::optional<std::string_view> title) override
    {
        calls.push_back("msgbox " + std::string(prompt));
        messages.push_back(
            {std::string(prompt),
             title ? std::optional<std::string>(std::string(*title)) : std::nullopt});
    }

    void forget()
    {
        calls.clear();
        messages.clear();
    }
};

} // namespace testing_support
