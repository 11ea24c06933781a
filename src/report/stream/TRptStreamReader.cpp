#include "report/stream/TRptStreamReader.h"

#include "platform/AppError.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptErrors.h"
#include "report/stream/RptNames.h"
#include "report/stream/TRptRender.h"

#include <cstdlib>

namespace zamt {
namespace {

// Every this many pages the reader remembers where a page lies, so that no
// request walks more than half of it along the chain.
constexpr int CheckpointSpacing = 16;
// Code, previous, next and number: the least a page block holds before its paper size.
constexpr qint64 PageHeadSize = 11;

} // namespace

TRptStreamReader::TRptStreamReader(QIODevice* input)
    : in_(input), reportTime_(QDateTime::currentDateTime()), locale_(QLocale::system()) {}

TRptStreamReader::~TRptStreamReader() = default;

// ---------------------------------------------------------------- header

const RptStreamHeader& TRptStreamReader::readHeader() {
    headerRead_ = false;
    in_.seek(0);
    RptStreamHeader h;
    h.code = in_.byte();
    switch (h.code) {
    case RptCode::HeaderCurrent:
        h.version = in_.int16();
        break;
    case RptCode::Header1101:
        h.version = RptCode::VersionOld;
        break;
    case RptCode::Header2009:
        h.version = RptCode::Version2009;
        break;
    default:
        throw AppError(
            QStringLiteral("Unexpected header code [%1] found in report file.").arg(h.code));
    }
    // The header's default title is the writer's; an older stream carries none.
    h.title.clear();
    header_.version = h.version; // readString looks at it
    if (h.version > RptCode::Version2009)
        h.title = readString();
    h.pageCount = in_.int16();
    h.firstPage = in_.int16();
    h.lastPage = in_.int16();
    h.paperWidth = in_.single();
    h.paperHeight = in_.single();
    h.marginLeft = in_.single();
    h.marginRight = in_.single();
    h.marginTop = in_.single();
    h.marginBottom = in_.single();
    h.orientation = in_.byte();
    if (h.version >= RptCode::VersionPrinterFields) {
        h.paperBin = in_.int16();
        h.collate = in_.byte();
        h.duplex = in_.byte();
    }
    h.copies = in_.int16();
    h.paperSize = in_.int16();
    h.paperSizeWidth = in_.int16();
    h.paperSizeLength = in_.int16();
    h.outputName = readString();
    if (h.pageCount < 0)
        rptDamaged(QStringLiteral("the page count is negative"));

    header_ = std::move(h);
    headerRead_ = true;
    firstPage_ = in_.pos();
    current_ = PageHead{};
    checkpoints_.assign(1, firstPage_);
    return header_;
}

// ---------------------------------------------------------------- page chain

TRptStreamReader::PageHead TRptStreamReader::readHead(qint64 position, int index) {
    in_.seek(position);
    if (in_.byte() != RptCode::Page)
        rptUnexpectedPageCode();
    PageHead head;
    head.index = index;
    head.position = position;
    head.previous = in_.int32();
    head.next = in_.int32();
    head.number = in_.int16();
    if (header_.version >= RptCode::VersionPrinterFields) {
        head.paperWidth = in_.single();
        head.paperHeight = in_.single();
    } else {
        in_.byte(); // older streams keep one byte here; the header has the paper size
        head.paperWidth = header_.paperWidth;
        head.paperHeight = header_.paperHeight;
    }
    return head;
}

void TRptStreamReader::remember(const PageHead& head) {
    const int k = (head.index - 1) / CheckpointSpacing;
    if ((head.index - 1) % CheckpointSpacing == 0 && size_t(k) == checkpoints_.size())
        checkpoints_.push_back(head.position);
}

void TRptStreamReader::stepForward() {
    const qint64 next = current_.next;
    if (next == 0)
        rptDamaged(QStringLiteral("the pages end before page %1").arg(current_.index + 1));
    if (next <= current_.position + PageHeadSize || next >= in_.size())
        rptDamaged(QStringLiteral("the link after page %1 leads nowhere").arg(current_.index));
    const PageHead head = readHead(next, current_.index + 1);
    if (head.previous != current_.position)
        rptDamaged(QStringLiteral("the links of page %1 disagree").arg(head.index));
    current_ = head;
    remember(head);
}

void TRptStreamReader::stepBackward() {
    const qint64 previous = current_.previous;
    if (previous < firstPage_ || previous + PageHeadSize >= current_.position)
        rptDamaged(QStringLiteral("the link before page %1 leads nowhere").arg(current_.index));
    const PageHead head = readHead(previous, current_.index - 1);
    if (head.next != current_.position)
        rptDamaged(QStringLiteral("the links of page %1 disagree").arg(head.index));
    current_ = head;
}

void TRptStreamReader::seekPage(int index) {
    if (index < 1 || index > header_.pageCount)
        throw AppError(QStringLiteral("There is no page %1 in the report file.").arg(index));

    // Start from the current page or from the nearest remembered page.
    const int below = std::min<int>((index - 1) / CheckpointSpacing, int(checkpoints_.size()) - 1);
    int startIndex = 1 + below * CheckpointSpacing;
    qint64 startPos = checkpoints_[size_t(below)];
    const size_t above = size_t((index - 1) / CheckpointSpacing + 1);
    if (above < checkpoints_.size() &&
        int(above) * CheckpointSpacing + 1 - index < index - startIndex) {
        startIndex = int(above) * CheckpointSpacing + 1;
        startPos = checkpoints_[above];
    }
    if (current_.index == 0 || std::abs(index - current_.index) > std::abs(index - startIndex))
        current_ = readHead(startPos, startIndex);

    while (current_.index < index)
        stepForward();
    while (current_.index > index)
        stepBackward();
}

// ---------------------------------------------------------------- replay

void TRptStreamReader::replayPage(int index, TRptRender& renderer) {
    if (!headerRead_)
        readHeader();
    seekPage(index);
    renderer.beginStream(header_);
    replayCurrent(renderer);
}

void TRptStreamReader::replayAll(TRptRender& renderer) {
    if (!headerRead_)
        readHeader();
    renderer.beginStream(header_);
    for (int index = 1; index <= header_.pageCount; ++index) {
        seekPage(index);
        replayCurrent(renderer);
    }
}

void TRptStreamReader::replayCurrent(TRptRender& renderer) {
    current_ = readHead(current_.position, current_.index);
    RptPageInfo info;
    info.index = current_.index;
    info.number = current_.number;
    info.paperWidth = current_.paperWidth;
    info.paperHeight = current_.paperHeight;
    info.position = current_.position;
    info.previous = current_.previous;
    info.next = current_.next;
    renderer.beginPage(info);
    while (true) {
        const qint64 at = in_.pos();
        const uint8_t code = in_.byte();
        renderer.record(code, at);
        if (code == RptCode::EndPage)
            break;
        replayRecord(code, renderer);
    }
    renderer.endPage();
}
const std::string* TRptStreamReader::variable(std::string_view name) const {
    const auto it = variables_.constFind(rptNameKey(name));
    return it == variables_.constEnd() ? nullptr : &it->value;
}

} // namespace zamt
