#include "layout/layout.h"
#include "scroll_bar_model.h"
#include "test_main.h"

#include <QTest>
#include <stdexcept>
#include <string_view>

using namespace quorvel::platform;

// What a scroll bar does, whatever draws it: its keys, steps and pages
// towards its own ends, the value a drag or a screen reader sets, and where
// its parts lie.
class TestBarModel : public QObject {
    Q_OBJECT

private slots:
    void barsStepTowardsTheirEnds_data();
    void barsStepTowardsTheirEnds();
    void barPartsAlongTheBar();
};

namespace {

const Row &LayoutRow(const char *name) {
    for (const Row &row : quorvel::layout::Controls())
        if (std::string_view(row.name) == name)
            return row;
    throw std::logic_error("no such row");
}

} // namespace

// The fitness bars run 0 to 100 from their left end, a page of 100; the p bar
// 1000 at its top end to 0, a page of 1. A bar's keys and arrows step towards
// its own ends, whichever way its values run.
void TestBarModel::barsStepTowardsTheirEnds_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("to");
    using R = BarRequest;
    QTest::newRow("w left arrow") << "HScrollw1" << 50 << int(R::LineToStart) << 49;
    QTest::newRow("w right arrow") << "HScrollw1" << 50 << int(R::LineToEnd) << 51;
    QTest::newRow("w trough, left") << "HScrollw1" << 50 << int(R::PageToStart) << 0;
    QTest::newRow("w trough, right") << "HScrollw1" << 50 << int(R::PageToEnd) << 100;
    QTest::newRow("w left arrow at 0") << "HScrollw1" << 0 << int(R::LineToStart) << 0;
    QTest::newRow("w End") << "HScrollw1" << 3 << int(R::ToEnd) << 100;
    QTest::newRow("p up arrow") << "VScrollp" << 500 << int(R::LineToStart) << 501;
    QTest::newRow("p down arrow") << "VScrollp" << 500 << int(R::LineToEnd) << 499;
    QTest::newRow("p trough, above") << "VScrollp" << 500 << int(R::PageToStart) << 501;
    QTest::newRow("p up arrow at 1") << "VScrollp" << 1000 << int(R::LineToStart) << 1000;
    QTest::newRow("p Home") << "VScrollp" << 3 << int(R::ToStart) << 1000;
    QTest::newRow("p End") << "VScrollp" << 3 << int(R::ToEnd) << 0;
}

void TestBarModel::barsStepTowardsTheirEnds() {
    QFETCH(QString, bar);
    QFETCH(int, from);
    QFETCH(int, request);
    QFETCH(int, to);
    BarModel model(LayoutRow(qPrintable(bar)));
    model.set(from);
    QCOMPARE(model.after(BarRequest(request)), to);
}

// The keys, a drag's end, what a screen reader hears and where the page's
// bar has its parts: HScrollw1 is 73 pixels long, VScrollp 185.
void TestBarModel::barPartsAlongTheBar() {
    const auto key = [](Key k, bool shift = false) {
        KeyPress press;
        press.key = k;
        press.shift = shift;
        return BarRequestForKey(press);
    };
    QCOMPARE(key(Key::Left), BarRequest::LineToStart);
    QCOMPARE(key(Key::Up), BarRequest::LineToStart);
    QCOMPARE(key(Key::Right), BarRequest::LineToEnd);
    QCOMPARE(key(Key::PageDown), BarRequest::PageToEnd);
    QCOMPARE(key(Key::Home), BarRequest::ToStart);
    QVERIFY(!key(Key::Left, true));
    QVERIFY(!key(Key::Space));

    const Row &w = LayoutRow("HScrollw1"), &p = LayoutRow("VScrollp");
    QCOMPARE(BarModel(p).atFraction(0.25), 750); // a quarter of the way down from 1000
    QCOMPARE(BarModel(w).atFraction(0.5), 50);
    QCOMPARE(BarModel(w).atFraction(1.5), 100);
    QCOMPARE(ShownValue(p, 250), 0.25);
    QCOMPARE(ValueShowing(w, 0.57), 57); // 56.999... hundredths in binary
    QCOMPARE(ValueShowing(p, 7.0), 1000);

    const BarGeometry geometry = BarGeometry::Of(w);
    QCOMPARE(geometry.arrow, 17);
    QCOMPARE(geometry.track, 39);
    QCOMPARE(geometry.thumb, 17);
    QCOMPARE(geometry.thumbAt(0), 17.0);
    QCOMPARE(geometry.thumbAt(1), 39.0);
    QCOMPARE(geometry.fractionAt(28), 0.5);
    using Part = BarGeometry::Part;
    QCOMPARE(geometry.partAt(16.9, 0.5), Part::StartArrow);
    QCOMPARE(geometry.partAt(56, 0.5), Part::EndArrow);
    QCOMPARE(geometry.partAt(20, 0.0), Part::Thumb);
    QCOMPARE(geometry.partAt(34, 0.0), Part::TrackAfterThumb);
    QCOMPARE(geometry.partAt(20, 1.0), Part::TrackBeforeThumb);
    QCOMPARE(BarGeometry::Of(p).track, 151); // beside the 151-pixel p axis
}

QUORVEL_UNIT_MAIN(TestBarModel)
#include "tst_bar_model.moc"
