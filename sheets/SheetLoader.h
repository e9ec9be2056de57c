#pragma once

#include "DecodeRequest.h"
#include "DecodeResult.h"
#include "DecodeService.h"
#include "DecodeTicket.h"
#include "SheetLocator.h"

#include <memory>
#include <string>
#include <string_view>

namespace sheets {

// Finds sheets by bare name, opens them, and has them decoded by the decode service. Every
// request reads the file again; nothing is cached. Before a file goes to a helper its size and
// first bytes are looked at, so that a file too large for its format is refused at once. Without
// a service (tools that decode their own pictures), files are decoded here, at once. It keeps no
// state of its own, so any thread may use it.
class SheetLoader {
public:
    explicit SheetLoader(SheetLocator locator = SheetLocator(),
                         std::shared_ptr<DecodeService> service = nullptr);

    DecodeService *service() const { return m_service.get(); }
    OpenedSheet open(std::string_view name) const { return m_locator.open(name); }

    // The sheet `name` on its way to a decoder; done at once when it is missing or refused.
    std::shared_ptr<DecodeTicket> request(std::string_view name,
                                          const DecodeRequest &request) const;
    // The file open as `file`, whose path, as bytes, is `path`.
    std::shared_ptr<DecodeTicket> request(FileDescriptor file, const DecodeRequest &request,
                                          std::string path = {}) const;

    // The same, waiting for the answer: for threads that may wait.
    DecodeResult load(std::string_view name, const DecodeRequest &request) const
    {
        return this->request(name, request)->wait();
    }
    DecodeResult load(FileDescriptor file, const DecodeRequest &request) const
    {
        return this->request(std::move(file), request)->wait();
    }

private:
    SheetLocator m_locator;
    std::shared_ptr<DecodeService> m_service;
};

} // namespace sheets
