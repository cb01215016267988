#include "pdf/pdf_maker.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <functional>
#include <string>

#include "pdf/pdf_file_reader.h"
#include "platform/safe_file.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::PdfFileReader;

const Clock kFixedClock = [] { return std::string("20261210153000"); };

std::string write(const std::function<void(TPDFMaker&)>& draw) {
    TPDFMaker pdf(kFixedClock);
    TPDFMemoryStream out;
    pdf.BeginDoc(&out);
    draw(pdf);
    pdf.EndDoc();
    return out.bytes();
}

TEST(PDFMaker, EmptyDocumentHasFiveObjectsAndAnEmptyFontDictionary) {
    PdfFileReader file(write([](TPDFMaker&) {}));
    EXPECT_EQ(file.bytes.substr(0, 11), "%PDF-1.2 \r\n");
    EXPECT_EQ(file.objectLine.size(), 5u);
    EXPECT_EQ(file.body(1), "<<\r\n/Type /Catalog\r\n/Pages 2 0 R\r\n>>\r\n");
    EXPECT_EQ(
        file.body(2),
        "<<\r\n/Kids [4 0 R ]\r\n/Count 1\r\n/Type /Pages\r\n/MediaBox [ 0 0 596 842 ]\r\n>>\r\n");
    EXPECT_EQ(
        file.body(3),
        "<<\r\n/CreationDate (D:20261210153000)\r\n/Creator <FEFF001B6A61001B>\r\n"
        "/Producer (PDFMaker0.4)\r\n/Author <FEFF001B6A61001B>\r\n/Title <FEFF001B6A61001B>\r\n"
        "/Subject <FEFF001B6A61001B>\r\n>>\r\n");
    EXPECT_EQ(file.body(4),
              "<<\r\n/Type /Page\r\n/Parent 2 0 R\r\n/Resources <<\r\n/Font <<\r\n>>\r\n"
              "/ProcSet [ /PDF /Text ]\r\n>>\r\n/Contents 5 0 R\r\n>>\r\n");
    EXPECT_EQ(file.body(5), "<<\r\n/Length 0\r\n>>\r\nstream\r\n\nendstream\r\n");
    EXPECT_EQ(file.trailer(),
              "trailer\r\n<<\r\n/Size 6\r\n/Root 1 0 R\r\n/Info 3 0 R\r\n>>\r\nstartxref\r\n" +
                  std::to_string(file.startxref()) + "\r\n%%EOF\r\n");
}

TEST(PDFMaker, FirstMinchoTextCreatesType0CidFontAndDescriptorInThatOrder) {
    PdfFileReader file(write([](TPDFMaker& pdf) {
        pdf.Canvas().fontId = kMSMincyoFontId;
        pdf.Canvas().TextOut("目次", 285, 802);
        pdf.Canvas().TextOut("Page: 1", 280, 16);  // same family: no further objects
    }));
    ASSERT_EQ(file.objectLine.size(), 8u);
    const std::string mincho = "#82#6C#82#72#20#96#BE#92#A9";
    EXPECT_EQ(file.body(6),
              "<<\r\n/Type /Font\r\n/Name /F0\r\n/Subtype /Type0\r\n/BaseFont /" + mincho +
                  "\r\n/Encoding /90msp-RKSJ-H\r\n/DescendantFonts [7 0 R]\r\n>>\r\n");
    EXPECT_EQ(file.body(7),
              "<<\r\n/Type /Font\r\n/Name /F0\r\n/Subtype /CIDFontType2\r\n/BaseFont /" + mincho +
                  "\r\n/WinCharSet /128\r\n/CIDSystemInfo <<\r\n/Registry(Adobe)\r\n"
                  "/Ordering(Japan1)\r\n/Supplement 2\r\n>>\r\n/DW 1000\r\n/W " +
                  TPDFCID2FontDef::kWText + "\r\n/FontDescriptor 8 0 R\r\n>>\r\n");
    EXPECT_EQ(file.body(8),
              "<<\r\n/Type /FontDescriptor\r\n/FontName /" + mincho +
                  "\r\n/Flags 6\r\n/FontBBox [ -143 -143 1015 872 ]\r\n/StemV 78\r\n/Ascent 872\r\n"
                  "/CapHeight 872\r\n/Descent -143\r\n/ItalicAngle 0\r\n>>\r\n");
    EXPECT_NE(file.body(4).find("/Font <<\r\n/F0 6 0 R\r\n>>\r\n"), std::string::npos)
        << file.body(4);
    EXPECT_NE(file.body(5).find("/F0 10 Tf\r"), std::string::npos);
    EXPECT_NE(file.trailer().find("/Size 9\r\n"), std::string::npos);
}

TEST(PDFMaker, EveryPageListsEveryFontInOrderOfFirstUse) {
    PdfFileReader file(write([](TPDFMaker& pdf) {
        pdf.Canvas().fontId = 7;
        pdf.Canvas().TextOut("ゴシック", 50, 700);  // objects 6, 7, 8
        pdf.NewPage();                              // objects 9, 10
        pdf.Canvas().fontId = 0;
        pdf.Canvas().TextOut("Century", 50, 700);  // objects 11, 12
    }));
    ASSERT_EQ(file.objectLine.size(), 12u);
    EXPECT_NE(file.body(2).find("/Kids [4 0 R 9 0 R ]\r\n/Count 2\r\n"), std::string::npos);
    EXPECT_NE(file.body(11).find(
                  "/Name /F1\r\n/Subtype /TrueType\r\n/BaseFont /Century\r\n/FirstChar 31\r\n"
                  "/LastChar 255\r\n/Widths [ 719 "),
              std::string::npos)
        << file.body(11);
    EXPECT_NE(
        file.body(11).find(" ]\r\n/Encoding /WinAnsiEncoding\r\n/FontDescriptor 12 0 R\r\n>>\r\n"),
        std::string::npos);
    EXPECT_NE(file.body(12).find("/FontName /Century\r\n/Flags 34\r\n"), std::string::npos);
    for (int page : {4, 9})
        EXPECT_NE(file.body(page).find("/Font <<\r\n/F0 6 0 R\r\n/F1 11 0 R\r\n>>\r\n"),
                  std::string::npos)
            << file.body(page);
}

TEST(PDFMaker, CrossReferenceEntriesPointAtTheirObjects) {
    const std::function<void(TPDFMaker&)> documents[] = {
        [](TPDFMaker&) {},
        [](TPDFMaker& pdf) {
            for (int page = 0; page < 3; ++page) {
                if (page) pdf.NewPage();
                auto& c = pdf.Canvas();
                c.fontId = page == 1 ? 2 : kMSMincyoFontId;
                c.TextOut("表ソ十能 a(b)c\\d\r\n二行目", 50, 700);
                c.DrawRect(true, 45, 817, 571, 28);
                c.DrawLine(45, 797, 571, 797);
                c.RestoreState();
            }
            pdf.title = "擁壁.dat";
        },
    };
    for (const auto& draw : documents) {
        PdfFileReader file(write(draw));
        std::vector<std::size_t> offsets = file.xrefOffsets();
        ASSERT_EQ(offsets.size(), file.objectLine.size());
        EXPECT_NE(file.trailer().find("/Size " + std::to_string(offsets.size() + 1) + "\r\n"),
                  std::string::npos);
        for (std::size_t i = 0; i < offsets.size(); ++i) {
            int number = static_cast<int>(i + 1);
            EXPECT_EQ(offsets[i], file.objectLine[number]) << "object " << number;
            EXPECT_EQ(file.bytes.compare(offsets[i], std::to_string(number).size() + 8,
                                         std::to_string(number) + " 0 obj\r\n"),
                      0);
        }
        // Each stream's /Length is the byte count up to the LF before "endstream".
        for (const auto& [number, pos] : file.objectLine) {
            std::string body = file.body(number);
            std::size_t s = body.find("stream\r\n");
            if (s == std::string::npos) continue;
            std::size_t length = std::stoul(body.substr(body.find("/Length ") + 8));
            EXPECT_EQ(body.substr(s + 8 + length), "\nendstream\r\n") << "object " << number;
        }
    }
}

TEST(PDFMaker, InformationTextsAreUtf16WithTheFixedCreationDate) {
    PdfFileReader file(write([](TPDFMaker& pdf) {
        pdf.author = "MRV";
        pdf.title = "擁壁";
        pdf.creator = "Marvoten Ver3.1";
        pdf.subject = "擁壁計算結果.pdf";
    }));
    const std::string lang = "FEFF001B6A61001B";
    EXPECT_EQ(file.body(3), "<<\r\n/CreationDate (D:20261210153000)\r\n/Creator <" + lang +
                                "004D006100720076006F00740065006E00200056006500720033002E0031>\r\n/"
                                "Producer (PDFMaker0.4)\r\n/Author <" +
                                lang + "004D00520056>\r\n/Title <" + lang +
                                "64C158C1>\r\n/Subject <" + lang +
                                "64C158C18A087B977D50679C002E007000640066>\r\n>>\r\n");
}

TEST(PDFMaker, NewDocumentStartsAfreshAndFontsAreCreatedAgain) {
    TPDFMaker pdf(kFixedClock);
    TPDFMemoryStream first, second;
    pdf.BeginDoc(&first);
    pdf.Canvas().fontId = 6;
    pdf.Canvas().TextOut("一", 0, 0);
    pdf.NewPage();
    pdf.EndDoc();
    EXPECT_EQ(PdfFileReader(first.bytes()).objectLine.size(), 10u);

    pdf.BeginDoc(&second);
    EXPECT_EQ(pdf.objects().count(), 5);
    EXPECT_EQ(pdf.pageCount(), 1);
    pdf.Canvas().fontId = 6;
    pdf.Canvas().TextOut("二", 0, 0);
    EXPECT_EQ(pdf.objects().count(), 8);
    EXPECT_EQ(pdf.font(6).number(), 6);
    pdf.EndDoc();
    PdfFileReader file(second.bytes());
    EXPECT_NE(file.body(4).find("/Font <<\r\n/F0 6 0 R\r\n>>"), std::string::npos);
}

TEST(PDFMaker, EndDocClosesTheStreamOnlyWhenAsked) {
    for (bool freeStream : {true, false}) {
        TPDFMaker pdf(kFixedClock);
        TPDFMemoryStream out;
        pdf.BeginDoc(&out);
        pdf.EndDoc(freeStream);
        EXPECT_EQ(out.closed(), freeStream);
        EXPECT_FALSE(pdf.documentOpen());
        EXPECT_EQ(out.bytes().substr(out.bytes().size() - 7), "%%EOF\r\n");
    }
}

TEST(PDFMaker, MisuseRaisesTheFixedTexts) {
    TPDFMaker pdf(kFixedClock);
    const std::string noDoc = "BeginDocが呼び出されていません";
    EXPECT_TRUE(
        testing::throwsWithMessage<TPDFError>([&] { pdf.BeginDoc(nullptr); }, "Invarid Stream"));
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>([&] { pdf.Canvas(); }, noDoc));
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>([&] { pdf.NewPage(); }, noDoc));
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>([&] { pdf.EndDoc(); }, noDoc));

    TPDFMemoryStream out;
    pdf.BeginDoc(&out);
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>([&] { pdf.objects().items(5); },
                                                      "Internel Error Invalid Index 5"));
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>([&] { pdf.objects().items(-1); },
                                                      "Internel Error Invalid Index -1"));
    EXPECT_EQ(pdf.objects().items(4).number(), 5);

    // An unknown family is refused before any object is made, so the file stays whole.
    pdf.Canvas().fontId = 8;
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>(
        [&] { pdf.Canvas().TextOut("x", 0, 0); }, "このフォントは現在サポートされていません (8)"));
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>(
        [&] { pdf.Canvas().TextWidth("x"); }, "このフォントは現在サポートされていません (8)"));
    EXPECT_EQ(pdf.objects().count(), 5);
    pdf.EndDoc();
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>([&] { pdf.Canvas(); }, noDoc));
    PdfFileReader file(out.bytes());
    EXPECT_EQ(file.xrefOffsets().size(), 5u);
}

TEST(PDFFileStream, WritesTheDocumentOrReportsInJapanese) {
    testing::TempFolder folder;
    TPDFMaker pdf(kFixedClock);
    TPDFFileStream file(folder.path() / u8"擁壁計算結果.pdf");
    TPDFMemoryStream memory;
    pdf.BeginDoc(&file);
    pdf.Canvas().fontId = 6;
    pdf.Canvas().TextOut("擁壁", 50, 50);
    pdf.EndDoc(false);
    // The same document into memory gives the same bytes.
    pdf.BeginDoc(&memory);
    pdf.Canvas().fontId = 6;
    pdf.Canvas().TextOut("擁壁", 50, 50);
    pdf.EndDoc();
    EXPECT_EQ(readFileBytes(file.path()), memory.bytes());

    TPDFFileStream nowhere(folder.path() / u8"無い" / u8"擁壁計算結果.pdf");
    pdf.BeginDoc(&nowhere);
    EXPECT_TRUE(
        testing::throwsWithMessage<FileWriteError>([&] { pdf.EndDoc(); }, "を書き込めません"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / u8"無い"));
}

// A number the writer cannot write stops the document before the file is touched.
TEST(PDFFileStream, AnUnwritableNumberLeavesTheEarlierFileWhole) {
    testing::TempFolder folder;
    const std::filesystem::path target = folder.path() / u8"擁壁計算結果.pdf";
    writeFileSafely(target, "earlier document");
    TPDFMaker pdf(kFixedClock);
    TPDFFileStream file(target);
    pdf.BeginDoc(&file);
    EXPECT_TRUE(testing::throwsWithMessage<TPDFError>(
        [&] {
            pdf.Canvas().DrawLine(50, 50, 1e17, 50);
            pdf.EndDoc();
        },
        "PDFに書けない数値です（1e+17）"));
    EXPECT_EQ(readFileBytes(target), "earlier document");
}

// A document that cannot be written completely (here: the file-size limit is reached
// half-way) must leave the earlier file as it was.
TEST(PDFFileStream, FailedWriteLeavesTheEarlierFileWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file-size limit of a process to make a write fail";
#else
    testing::TempFolder folder;
    const std::filesystem::path target = folder.path() / u8"擁壁計算結果.pdf";
    writeFileSafely(target, "earlier document");

    TPDFMaker pdf(kFixedClock);
    TPDFFileStream file(target);
    pdf.BeginDoc(&file);
    pdf.Canvas().fontId = kMSMincyoFontId;
    pdf.Canvas().TextOut("擁壁", 50, 50);  // the file grows past 1,000 bytes

    ::rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    ::rlimit small = saved;
    small.rlim_cur = 1000;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool refused =
        testing::throwsWithMessage<FileWriteError>([&] { pdf.EndDoc(); }, "を書き込めません");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(refused);
    EXPECT_EQ(readFileBytes(target), "earlier document");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "a temporary file was left behind";
#endif
}

}  // namespace
}  // namespace marvoten
