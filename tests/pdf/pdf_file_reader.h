#pragma once
// Reads back a file written by TPDFMaker, independently of the writer: the object
// positions found by searching the bytes, the cross-reference table and trailer.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace marvoten::testing {

struct PdfFileReader {
    std::string bytes;
    std::map<int, std::size_t> objectLine;  // number -> position of "n 0 obj"

    explicit PdfFileReader(std::string b) : bytes(std::move(b)) {
        static const std::regex objLine("(?:^|\r\n)(\\d+) 0 obj\r\n");
        for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), objLine);
             it != std::sregex_iterator(); ++it) {
            std::size_t pos = static_cast<std::size_t>(it->position(1));
            objectLine[std::stoi((*it)[1])] = pos;
        }
    }

    // Body text between "n 0 obj\r\n" and the next "endobj\r\n"; empty if absent.
    std::string body(int number) const {
        auto it = objectLine.find(number);
        if (it == objectLine.end()) return {};
        std::size_t start = bytes.find("\r\n", it->second) + 2;
        std::size_t end = bytes.find("endobj\r\n", start);
        return bytes.substr(start, end - start);
    }

    std::size_t startxref() const {
        std::size_t at = bytes.rfind("startxref\r\n");
        return std::stoul(bytes.substr(at + 11));
    }

    std::string trailer() const { return bytes.substr(bytes.rfind("trailer\r\n")); }

    // The in-use entries of the cross-reference table (object 1 first), each checked
    // for its 20-byte form.
    std::vector<std::size_t> xrefOffsets() const {
        std::size_t x = startxref();
        std::vector<std::size_t> offsets;
        EXPECT_EQ(bytes.compare(x, 6, "xref\r\n"), 0) << "startxref does not point at xref";
        std::size_t lineEnd = bytes.find("\r\n", x + 6);
        std::string header = bytes.substr(x + 6, lineEnd - x - 6);
        int count = std::stoi(header.substr(header.find(' ') + 1));
        std::size_t entry = lineEnd + 2;
        EXPECT_EQ(bytes.substr(entry, 20), "0000000000 65535 f\r\n");
        static const std::regex inUse("(\\d{10}) 00000 n\r\n");
        for (int i = 1; i < count; ++i) {
            entry += 20;
            std::string e = bytes.substr(entry, 20);
            std::smatch m;
            EXPECT_TRUE(std::regex_match(e, m, inUse)) << "entry " << i << " is '" << e << "'";
            offsets.push_back(m.empty() ? 0 : std::stoul(m[1]));
        }
        EXPECT_EQ(bytes.compare(entry + 20, 9, "trailer\r\n"), 0)
            << "table is not followed by the trailer";
        return offsets;
    }
};

}  // namespace marvoten::testing
