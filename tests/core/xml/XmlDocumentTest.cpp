// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

using vantrel::XmlDocument;

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
