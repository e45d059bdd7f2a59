// The browser side of the window, in plain DOM. This file takes over the
// window the page was built with and hands its elements' events to the
// program; scroll_bar.js, message_box.js, canvas.js, tools.js, clipboard.js
// and audio.js do the rest, each for one kind of element. The program calls
// them through the EM_JS glue and decides everything a user sees; the numbers
// both sides use come from QuorvelConstants, which the build writes from the
// program's own code.
var Quorvel = {
  elements: [],
  root: null,
  readyAt: 0, // performance.now() when the window could first take a click

  // A UTF-16 string from the program's memory.
  text: function (pointer, length) {
    var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
    var text = '';
    for (var i = 0; i < units.length; i += 4096)
      text += String.fromCharCode.apply(null, units.subarray(i, i + 4096));
    return text;
  },

  send: function (id, kind, argument) {
    Module._quorvel_event(id, kind, argument || 0);
  },

  // Takes over the window the page was built with: each element by its data-id.
  start: function () {
    var root = Quorvel.root = document.getElementById('quorvel');
    root.querySelectorAll('[data-id]').forEach(function (element) {
      var id = Number(element.dataset.id);
      Quorvel.elements[id] = element;
      if (element.tagName === 'BUTTON')
        element.addEventListener('click', function () {
          Quorvel.send(id, QuorvelConstants.event.Click);
        });
      else if (element.tagName === 'INPUT')
        // Select all stays in the box: a browser may otherwise select the
        // whole page when the read-only box holds no selection of its own.
        element.addEventListener('keydown', function (event) {
          if ((event.ctrlKey || event.metaKey) && !event.altKey && event.code === 'KeyA') {
            element.select();
            event.preventDefault();
          }
        });
      else if (element.getAttribute('role') === 'scrollbar')
        Quorvel.scrollBar.wire(id, element);
    });
    // A link edited in the address bar does not load the page again.
    addEventListener('hashchange', function () { Module._quorvel_link_changed(); });
    // A caption is measured in the face it is set in: again once one loads.
    if (document.fonts)
      document.fonts.addEventListener('loadingdone', function () { Module._quorvel_faces_loaded(); });
  },
};

// The words the page shows of its own, in the window's language: its title
// (and its heading and the window's name, which are the same), its lang, the
// line for a phone held upright, and an open dialog's: a message's button,
// the help's title, text and button.
Quorvel.showWords = function (title, tag, rtl, hint, ok, close, helpTitle, help) {
  document.title = title;
  document.documentElement.lang = tag;
  document.querySelector('meta[name=description]').content =
    QuorvelFirstWords.descriptions[QuorvelFirstWords.whole[tag.toLowerCase()]];
  Quorvel.readDirection(rtl);
  document.querySelector('h1').textContent = title;
  Quorvel.root.setAttribute('aria-label', title);
  document.getElementById('q-turn').textContent = hint;
  var open = document.querySelector('dialog[open]');
  if (!open)
    return;
  var isHelp = open.classList.contains('q-help');
  open.querySelector('.q-buttons button').textContent = isHelp ? close : ok;
  if (isHelp && help) {
    open.querySelector('h2').textContent = helpTitle;
    open.querySelector('p').textContent = help;
  }
};

// The page, its menu and its dialogs read right to left where the language
// does; the window keeps its direction, as its bars and plots do, and only
// its captions read from their right edge, growing to the left, as the
// markup gives their places until the program places them (Quorvel.place).
// The marks on the plots stay as they are.
Quorvel.readDirection = function (rtl) {
  // Touched only when it changes: a browser builds its accessible tree
  // again for a new direction, and a screen reader then loses the focus.
  if ((Quorvel.dir || 'ltr') === (rtl ? 'rtl' : 'ltr'))
    return;
  Quorvel.dir = rtl ? 'rtl' : 'ltr';
  document.documentElement.dir = Quorvel.dir;
  var root = document.getElementById('quorvel'); // before the program has started too
  root.querySelectorAll('.q-label[data-left]').forEach(function (label) {
    var d = label.dataset;
    label.dir = Quorvel.dir;
    label.style.left = rtl ? 'auto' : d.left + 'px';
    label.style.right = rtl ? d.rightRtl + 'px' : 'auto';
    label.style.minWidth = (rtl ? d.minRtl : d.min) + 'px';
    label.style.maxWidth = (rtl ? d.maxRtl : d.max) + 'px';
  });
  root.querySelectorAll('dialog, .q-menu').forEach(function (e) { e.dir = Quorvel.dir; });
};

// How wide the labels' texts are, each as its face sets it, pinned parts and
// all, in the window's own pixels whatever its fit. Read from the page as it
// is, which a screen reader follows: nothing in it changes to be measured.
Quorvel.textWidths = function (ids) {
  var range = document.createRange();
  return ids.map(function (id) {
    range.selectNodeContents(Quorvel.elements[id]);
    return range.getBoundingClientRect().width / Quorvel.fit.scale;
  });
};

// A label where the program places it: from its left edge, or, read right to
// left, from its right edge (`from`) in a window `width` wide; as wide as its
// text between least and most, as the page was built. Only what changes is
// touched, so that a label in its place stays as it is for a screen reader.
Quorvel.place = function (id, from, least, most, rtl, width) {
  var label = Quorvel.elements[id], style = label.style;
  var set = function (name, value) {
    if ((style[name] || 'auto') !== value)
      style[name] = value;
  };
  set('left', rtl ? 'auto' : from + 'px');
  set('right', rtl ? width - from + 'px' : 'auto');
  set('width', 'auto');
  set('minWidth', least + 'px');
  set('maxWidth', most + 'px');
  if ((label.dir || 'ltr') !== (rtl ? 'rtl' : 'ltr'))
    label.dir = rtl ? 'rtl' : 'ltr';
};

// A button's or a label's caption. A caption that spaces its parts apart
// with runs of spaces (an axis from 0 to 1) has each part but the last in a
// box as wide as its face sets it, as the page was built: engines round a
// face's advances differently, which over a long run of spaces would move
// the last part.
Quorvel.caption = function (id, text) {
  var element = Quorvel.elements[id];
  var widths = window.QuorvelPins && QuorvelPins[id] && QuorvelPins[id][text];
  if (!widths) {
    element.textContent = text;
    return;
  }
  element.textContent = '';
  var parts = text.match(/.*? {2,}|.+$/g);
  parts.forEach(function (part, i) {
    if (i === parts.length - 1) {
      element.appendChild(document.createTextNode(part));
      return;
    }
    var box = document.createElement('span');
    box.style.display = 'inline-block';
    box.style.width = widths[i] + 'px';
    box.textContent = part;
    element.appendChild(box);
  });
};

// Has a screen reader speak a sentence through the live region, once: the
// region is emptied soon after, and before a dialog opens, since a browser
// tells of its text again when the page behind a dialog comes back. The same
// sentence again (RUN pressed twice) ends in a no-break space every other
// time, which no one hears: Orca drops a live text that is the last it had.
Quorvel.announce = function (sentence) {
  var live = document.getElementById('q-announce');
  if (!live)
    return;
  clearTimeout(Quorvel.quietTimer);
  live.textContent = Quorvel.lastSaid === sentence ? sentence + '\u00a0' : sentence;
  Quorvel.lastSaid = live.textContent;
  Quorvel.quietTimer = setTimeout(Quorvel.quiet, 1000);
};

Quorvel.quiet = function () {
  clearTimeout(Quorvel.quietTimer);
  var live = document.getElementById('q-announce');
  if (live)
    live.textContent = '';
};

Module.postRun = [function () { Quorvel.readyAt = performance.now(); }];

// The window as built speaks one language; before the program has started,
// it shows the words of the browser's own, so that the first frame is
// already in it. Which language a tag takes is the program's own answer,
// which the build wrote into a table (whole): the tag as the program
// compares it ("pt_BR.UTF-8" is "pt-br"), else the tag without its last
// part, and so on; -1 where the program speaks none of it.
(function () {
  var first = QuorvelFirstWords, chosen;
  (navigator.languages || [navigator.language]).some(function (tag) {
    var t = String(tag).toLowerCase().replace(/_/g, '-').split(/[.@]/)[0];
    while (t && !(t in first.whole))
      t = t.slice(0, Math.max(0, t.lastIndexOf('-')));
    chosen = t ? first.whole[t] : -1;
    return chosen >= 0;
  });
  var words = first.words[chosen];
  if (!words)
    return;
  document.title = words.title;
  document.documentElement.lang = words.lang;
  document.querySelector('meta[name=description]').content = first.descriptions[chosen];
  Quorvel.readDirection(words.rtl);
  document.getElementById('q-turn').textContent = words.hint;
  document.querySelector('h1').textContent = words.title;
  var root = document.getElementById('quorvel');
  root.setAttribute('aria-label', words.title);
  root.querySelectorAll('[data-id]').forEach(function (element) {
    var id = Number(element.dataset.id), text = words.captions[id];
    if (text === undefined)
      return;
    Quorvel.elements[id] = element;
    if (element.tagName === 'INPUT')
      element.value = text;
    else
      Quorvel.caption(id, text);
  });
})();
