// The tools to read the curves in the page: keys, the pointer and menu
// requests go to the program, which decides what they do; the note, the ring
// and the context menu show where and what it says.
Quorvel.tools = {
  // A keydown as the program knows keys: [key, character, flags]; letters
  // and digits by where they are on the keyboard, which Alt and Shift leave
  // alone, the rest by name.
  press: function (event) {
    var k = QuorvelConstants.key, code = event.code || '';
    var key = QuorvelConstants.keys[event.key], character = 0;
    if (/^Key[A-Z]$/.test(code)) {
      key = k.letter;
      character = code.charCodeAt(3);
    } else if (/^(Digit|Numpad)[0-9]$/.test(code)) {
      key = k.digit;
      character = code.charCodeAt(code.length - 1);
    } else if (code === 'NumpadAdd' || code === 'NumpadSubtract') {
      key = code === 'NumpadAdd' ? k.add : k.subtract;
    }
    var f = QuorvelConstants.flags;
    var flags = (event.ctrlKey ? f.control : 0) | (event.shiftKey ? f.shift : 0) |
                (event.altKey ? f.alt : 0) | (event.metaKey ? f.meta : 0);
    return [key === undefined ? k.other : key, character, flags];
  },

  start: function () {
    var root = Quorvel.root;
    document.addEventListener('keydown', function (event) {
      if (document.querySelector('dialog[open]'))
        return; // a message or the help has the keys
      var press = Quorvel.tools.press(event);
      if (Module._quorvel_key(press[0], press[1], press[2])) {
        event.preventDefault();
        event.stopPropagation();
      }
    }, true);
    // A mouse reads where it hovers; a finger or a pen where it is down,
    // and its reading stays until it goes down elsewhere. Held still on the
    // drawing, it opens the menu, as a right click does.
    var held = null, heldAt, openedByHold = 0, holding = false;
    var point = function (event) {
      var at = Quorvel.at(event);
      Module._quorvel_pointer(at[0], at[1], event.pointerType === 'mouse' ? 0 : 1);
      return at;
    };
    var release = function () {
      clearTimeout(held);
      held = null;
    };
    root.addEventListener('pointerdown', function (event) {
      if (event.pointerType === 'mouse')
        return;
      var at = point(event);
      release();
      holding = false;
      if (!event.target.closest('.q-bar, input, button, .q-menu'))
        held = setTimeout(function () {
          held = null;
          holding = true;
          openedByHold = performance.now();
          Module._quorvel_menu(at[0], at[1], 0);
        }, QuorvelConstants.longPress);
      heldAt = [event.clientX, event.clientY];
    });
    root.addEventListener('pointermove', function (event) {
      if (event.pointerType !== 'mouse' && !event.buttons)
        return;
      point(event);
      if (held && Math.hypot(event.clientX - heldAt[0], event.clientY - heldAt[1]) > 8)
        release();
    });
    // The finger coming up after the menu opened is no click on the menu.
    root.addEventListener('touchend', function (event) {
      if (holding)
        event.preventDefault();
    });
    root.addEventListener('pointerup', release);
    root.addEventListener('pointercancel', release);
    root.addEventListener('pointerleave', function (event) {
      if (event.pointerType === 'mouse')
        Module._quorvel_pointer_left();
    });
    root.addEventListener('contextmenu', function (event) {
      if (event.target.tagName === 'INPUT')
        return; // a box keeps its own menu, to copy its text
      event.preventDefault();
      // A browser may tell of a long touch too: one menu.
      release();
      if (performance.now() - openedByHold < 1000)
        return;
      var at = Quorvel.at(event);
      Module._quorvel_menu(at[0], at[1], 0);
    });
  },

  element: function (id) {
    var element = document.getElementById(id);
    if (!element) {
      element = document.createElement('div');
      element.id = id;
      element.className = id;
      element.setAttribute('aria-hidden', 'true'); // a screen reader hears the same words
      Quorvel.root.appendChild(element);
    }
    return element;
  },

  // The note with its text and the size the program gives it, not yet where it goes.
  setNote: function (text, width, height) {
    var note = Quorvel.tools.element('q-note');
    if (note.dir !== (Quorvel.dir || 'ltr'))
      note.dir = Quorvel.dir || 'ltr'; // it reads as the messages do, not as the plots
    note.textContent = text;
    note.style.width = width + 'px';
    note.style.height = height + 'px';
    note.style.visibility = 'hidden';
    note.style.display = 'block';
  },

  showNoteAt: function (left, top) {
    var note = Quorvel.tools.element('q-note');
    note.style.left = left + 'px';
    note.style.top = top + 'px';
    note.style.visibility = 'visible';
  },

  showMarkerAt: function (left, top) {
    var marker = Quorvel.tools.element('q-marker');
    marker.style.left = left + 'px';
    marker.style.top = top + 'px';
    marker.style.display = 'block';
  },

  hide: function (id) {
    var element = document.getElementById(id);
    if (element)
      element.style.display = 'none';
  },
};
