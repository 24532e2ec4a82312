// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/xml/XmlDocument.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

using vantrel::XmlDocument;
using vantrel::XmlElement;

TEST(XmlDocument, RootIsTheFirstElementEvenAfterDeclarationAndComments) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString("<?xml version=\"1.0\"?>\n<!-- note -->\n<seems a=\"1\"/>").ok);
    EXPECT_EQ(doc.root().name(), "seems");
}

TEST(XmlDocument, ChildrenCountOnlyElements) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString("<r> text <!-- c --><a/><?pi x?><b/>\n</r>").ok);
    const auto children = doc.root().children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].name(), "a");
    EXPECT_EQ(children[1].name(), "b");
    EXPECT_TRUE(doc.root().hasChildElements());
    EXPECT_FALSE(children[0].hasChildElements());

    XmlDocument onlyComment;
    ASSERT_TRUE(onlyComment.loadFromString("<r><!-- c --> </r>").ok);
    EXPECT_FALSE(onlyComment.root().hasChildElements());
}

TEST(XmlDocument, AttributesAreCaseSensitiveAndAbsentIsNotEmpty) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString("<r ID=\"x\" tip=\"\"/>").ok);
    EXPECT_EQ(doc.root().attribute("ID"), "x");
    EXPECT_FALSE(doc.root().attribute("id").has_value());
    EXPECT_EQ(doc.root().attribute("tip"), "");
    EXPECT_FALSE(doc.root().hasAttribute("alert"));
}

TEST(XmlDocument, ChildByNameFindsTheFirstDirectChild) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString("<r><x><a n=\"deep\"/></x><a n=\"1\"/><a n=\"2\"/></r>").ok);
    EXPECT_EQ(doc.root().child("a").attribute("n"), "1");
    EXPECT_TRUE(doc.root().child("missing").isNull());
    EXPECT_FALSE(doc.root().child("missing").attribute("n").has_value());
}

TEST(XmlDocument, ParseErrorsKeepTheParsersLine) {
    XmlDocument doc;
    const auto result = doc.loadFromString("<r>\n<a>\n<b>\n</a>\n</r>");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.line, 4);
    EXPECT_FALSE(result.message.empty());
    EXPECT_FALSE(doc.isLoaded());
}

TEST(XmlDocument, MissingFileAndEmptyDocumentFail) {
    XmlDocument doc;
    EXPECT_EQ(doc.load("/nonexistent/language.xml").message, "the file does not exist");
    EXPECT_EQ(doc.load("/tmp").message, "it is a folder, not a file");
    EXPECT_FALSE(doc.loadFromString("").ok);
    EXPECT_FALSE(doc.loadFromString("<!-- only a comment -->").ok);
    EXPECT_TRUE(doc.root().isNull());
}

TEST(XmlDocument, OnlyRegularFilesAreReadAndAFifoDoesNotBlock) {
    const std::string fifo =
        ::testing::TempDir() + "vantrel-xml-fifo-" + std::to_string(::getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    XmlDocument doc;
    EXPECT_EQ(doc.load(fifo).message, "it is a FIFO, not a regular file");
    ::unlink(fifo.c_str());
    EXPECT_EQ(doc.load("/dev/null").message, "it is a device, not a regular file");
    EXPECT_FALSE(doc.isLoaded());
}

// Whatever the parser back end (pugixml, or the JavaScript host's in
// WebAssembly): entities are neither fetched nor multiplied, and nesting as
// deep as a hostile file likes ends without exhausting the stack.
TEST(XmlDocument, EntitiesAreNeitherFetchedNorExpandedWithoutBound) {
    const std::string bomb = R"(<!DOCTYPE r [<!ENTITY a "aaaaaaaaaa">
        <!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">
        <!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;"><!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;">
        <!ENTITY f "&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;"><!ENTITY g "&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;">
        <!ENTITY h "&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;"><!ENTITY i "&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;">]>
        <r v="&i;"/>)";
    const std::string external = R"(<!DOCTYPE r [<!ENTITY x SYSTEM "file:///etc/passwd">]>
        <r v="&x;"/>)";
    for (const std::string& text : {bomb, external}) {
        XmlDocument doc;
        if (doc.loadFromString(text).ok) {
            EXPECT_LT(doc.root().attribute("v").value_or("").size(), 100u);
            EXPECT_EQ(doc.root().attribute("v").value_or("").find("root:"), std::string::npos);
        }
    }
}

TEST(XmlDocument, DeepNestingIsReadOrRefusedWithoutRecursion) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "<a>";
    for (int i = 0; i < 100000; ++i)
        text += "</a>";
    XmlDocument doc;
    if (doc.loadFromString(text).ok) {
        XmlElement element = doc.root();
        int depth = 0;
        while (element.hasChildElements()) {
            element = element.children().front();
            ++depth;
        }
        EXPECT_EQ(depth, 99999);
    }
}

TEST(XmlDocument, ElementsStayValidWhenTheDocumentMoves) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadFromString("<r><a n=\"1\"/><b/></r>").ok);
    const XmlElement a = doc.root().child("a");
    const XmlDocument moved = std::move(doc);
    EXPECT_EQ(a.attribute("n"), "1");
    EXPECT_EQ(moved.root().children().front(), a);
}
