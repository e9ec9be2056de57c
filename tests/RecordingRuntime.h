#pragma once

#include "Runtime.h"

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

// A picture that remembers which file it came from.
struct NamedPicture : preview::Picture {
    explicit NamedPicture(std::string n)
        : name(std::move(n))
    {}
    std::string name;
};

struct MessageBoxCall {
    std::string prompt;
    int buttons;
    std::optional<std::string> title;
};

// Records every window operation in order, so tests can check what a choice did and when.
class RecordingRuntime : public preview::Runtime {
public:
    std::array<std::int16_t, 8> indices{-1, -1, -1, -1, -1, -1, -1, -1}; // [1..7] used
    std::array<std::string, 8> texts;
    // Files that load: name -> error number (0 loads a picture). Any other name is missing.
    std::map<std::string, preview::ErrorNumber> files;
    preview::ErrorNumber setPictureError = preview::kNoError;
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

    std::int16_t listIndex(int list) const override
    {
        calls.push_back("index " + std::to_string(list));
        return indices.at(static_cast<std::size_t>(list));
    }

    preview::LoadedPicture loadPicture(std::string_view fileName) override
    {
        calls.push_back("load " + std::string(fileName));
        if (throwWhileLoading)
            throw std::runtime_error("decoder blew up");
        const auto it = files.find(std::string(fileName));
        if (it == files.end())
            return {nullptr, preview::kErrFileNotFound};
        if (it->second != preview::kNoError)
            return {nullptr, it->second};
        return {std::make_unique<NamedPicture>(std::string(fileName)), preview::kNoError};
    }

    preview::ErrorNumber setImagePicture(preview::PicturePtr picture) override
    {
        const auto *named = dynamic_cast<NamedPicture *>(picture.get());
        calls.push_back("picture " + (named ? named->name : std::string("?")));
        if (setPictureError != preview::kNoError)
            return setPictureError;
        shownPicture = named ? named->name : "?";
        return preview::kNoError;
    }

    void msgBox(std::string_view prompt, int buttons,
                std::optional<std::string_view> title) override
    {
        calls.push_back("msgbox " + std::string(prompt));
        messages.push_back(
            {std::string(prompt), buttons,
             title ? std::optional<std::string>(std::string(*title)) : std::nullopt});
    }

    void forget()
    {
        calls.clear();
        messages.clear();
    }
};

} // namespace testing_support
