// The classic scroll bar: two arrow buttons, a track and a square thumb.
// Holding an arrow or the track repeats; a drag moves the thumb and changes
// the value only when it ends. The program steps the value and places the
// thumb; this turns the mouse and keys into its events.
Quorvel.scrollBar = {
  wire: function (id, bar) {
    var b = QuorvelConstants.bar;
    var horizontal = bar.classList.contains('q-h');
    var thumb = bar.querySelector('.q-thumb');
    var start = bar.querySelector('.q-start'), end = bar.querySelector('.q-end');
    var track = Number(bar.dataset.track), thumbSize = Number(bar.dataset.thumb);
    bar.quorvel = {fraction: 0, track: track, arrow: Number(bar.dataset.arrow), thumb: thumb,
                   along: horizontal ? 'left' : 'top', thumbSize: thumbSize,
                   horizontal: horizontal};

    var timer = null;
    var stop = function () {
      clearTimeout(timer);
      timer = null;
    };
    // Runs step now and, while the button is held, again after a pause and
    // then every 50 ms, as long as more() says so.
    var hold = function (step, more) {
      stop();
      step();
      var again = function () {
        if (!more || more()) {
          step();
          timer = setTimeout(again, 50);
        }
      };
      timer = setTimeout(again, 400);
    };
    var pointerAt = function (event) {
      var box = bar.getBoundingClientRect();
      return horizontal ? event.clientX - box.left : event.clientY - box.top;
    };
    var thumbAt = function () {
      var q = bar.quorvel;
      return q.arrow + q.fraction * (q.track - q.thumbSize);
    };
    var arrow = function (element, kind) {
      element.addEventListener('mousedown', function (event) {
        event.preventDefault();
        bar.focus();
        hold(function () { Quorvel.send(id, kind); });
      });
    };
    arrow(start, b.LineToStart);
    arrow(end, b.LineToEnd);
    bar.addEventListener('mousedown', function (event) {
      if (event.target !== bar || event.button !== 0)
        return;
      event.preventDefault();
      bar.focus();
      var at = pointerAt(event);
      var towardStart = at < thumbAt();
      hold(function () { Quorvel.send(id, towardStart ? b.PageToStart : b.PageToEnd); },
           function () {
             var thumbStart = thumbAt();
             return towardStart ? at < thumbStart : at >= thumbStart + bar.quorvel.thumbSize;
           });
    });
    thumb.addEventListener('mousedown', function (event) {
      if (event.button !== 0)
        return;
      event.preventDefault();
      event.stopPropagation();
      bar.focus();
      var q = bar.quorvel, grabbed = pointerAt(event) - thumbAt();
      var free = Math.max(1, q.track - q.thumbSize);
      var move = function (e) {
        var offset = Math.min(Math.max(pointerAt(e) - grabbed - q.arrow, 0), free);
        q.thumb.style[q.along] = (q.arrow + offset) + 'px';
        q.dragged = offset / free;
      };
      var up = function () {
        document.removeEventListener('mousemove', move);
        document.removeEventListener('mouseup', up);
        if (q.dragged !== undefined)
          Quorvel.send(id, b.DragEnded, Math.round(q.dragged * 1e6));
        q.dragged = undefined;
        Quorvel.scrollBar.show(bar);
      };
      document.addEventListener('mousemove', move);
      document.addEventListener('mouseup', up);
    });
    document.addEventListener('mouseup', stop);
    bar.addEventListener('mouseleave', stop);
    bar.addEventListener('keydown', function (event) {
      var keys = {ArrowLeft: b.LineToStart, ArrowUp: b.LineToStart, ArrowRight: b.LineToEnd,
                  ArrowDown: b.LineToEnd, PageUp: b.PageToStart, PageDown: b.PageToEnd,
                  Home: b.ToStart, End: b.ToEnd};
      if (keys[event.key] && !event.altKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        Quorvel.send(id, keys[event.key]);
      }
    });
  },

  show: function (bar) {
    var q = bar.quorvel;
    q.thumb.style[q.along] = (q.arrow + q.fraction * Math.max(0, q.track - q.thumbSize)) + 'px';
  },
};
