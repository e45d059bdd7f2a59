// The context menu in the page, as the program lists it; choosing an entry
// is told to the program.
// entries: [words, key, tool, entries, index, checked] each; one with
// entries of its own opens them as a submenu, by click, Return or Right. Up
// and Down go round, Return or a click chooses, Left and Escape close a
// submenu, Escape and Tab the menu; focus then goes back. Where the page
// reads right to left the menu is mirrored: it opens to the left of the
// pointer, its submenus further left, and Left and Right swap.
Quorvel.tools.menu = function (entries, x, y) {
  var rtl = Quorvel.dir === 'rtl', inward = rtl ? 'ArrowLeft' : 'ArrowRight';
  var outward = rtl ? 'ArrowRight' : 'ArrowLeft';
  var old = document.getElementById('q-menu');
  if (old)
    old.remove();
  var before = document.activeElement;
  var close = function () {
    menu.remove();
    if (before && before.focus)
      before.focus();
  };
  var shut = function (list) {
    var opener = list.previousSibling;
    opener.setAttribute('aria-expanded', 'false');
    opener.focus(); // first: focus lost with the list would close the menu
    list.remove();
  };
  // A submenu lies in its menu, after its opener, so that focus within it
  // is focus within the menu.
  var open = function (opener, entry) {
    if (opener.getAttribute('aria-expanded') !== 'true') {
      var list = build(entry[3], entry[0]), outer = opener.parentNode;
      opener.after(list);
      opener.setAttribute('aria-expanded', 'true');
      var left = outer.offsetWidth - 4, room = Quorvel.root.clientWidth - menu.offsetLeft;
      var fitsRight = outer.offsetLeft + left + list.offsetWidth < room;
      var fitsLeft = menu.offsetLeft + outer.offsetLeft - list.offsetWidth + 4 >= 0;
      list.style.left = ((rtl ? !fitsLeft : fitsRight) ? left : -list.offsetWidth + 4) + 'px';
      list.style.top = Math.min(opener.offsetTop, Quorvel.root.clientHeight - menu.offsetTop - list.offsetHeight - 1) + 'px';
    }
    opener.nextSibling.firstChild.focus();
  };
  var build = function (entries, name) {
    var list = document.createElement('div');
    list.className = 'q-menu';
    list.dir = rtl ? 'rtl' : 'ltr';
    list.setAttribute('role', 'menu');
    if (name)
      list.setAttribute('aria-label', name);
    entries.forEach(function (entry) {
      var item = document.createElement('button');
      // Checked in a submenu: the one chosen of it (a language); in the
      // menu itself: an entry that is on (the panel shown).
      var checkable = name ? 'menuitemradio' : 'menuitemcheckbox';
      item.setAttribute('role', entry[5] ? checkable : 'menuitem');
      if (entry[5])
        item.setAttribute('aria-checked', 'true');
      item.tabIndex = -1;
      item.innerHTML = '<span></span><span class="q-key"></span>';
      item.firstChild.textContent = entry[0];
      item.lastChild.textContent = entry[3].length ? '\u25b8' : entry[1];
      if (entry[3].length)
        item.setAttribute('aria-haspopup', 'menu');
      item.addEventListener('click', function () {
        if (entry[3].length)
          return open(item, entry);
        close();
        Module._quorvel_tool(entry[2], entry[4]);
      });
      list.appendChild(item);
    });
    list.addEventListener('keydown', function (event) {
      var items = Array.from(list.children).filter(function (e) { return e.tagName === 'BUTTON'; });
      var at = items.indexOf(document.activeElement);
      if (at < 0)
        return; // in a submenu, which has had the key
      if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        var step = event.key === 'ArrowDown' ? 1 : items.length - 1;
        items[(at + step) % items.length].focus();
      } else if (event.key === inward && items[at].hasAttribute('aria-haspopup')) {
        items[at].click();
      } else if ((event.key === outward || event.key === 'Escape') && list !== menu) {
        shut(list);
      } else if (event.key === 'Escape' || event.key === 'Tab') {
        close();
      } else {
        return;
      }
      event.preventDefault();
      event.stopPropagation();
    });
    return list;
  };
  var menu = build(entries);
  menu.id = 'q-menu';
  menu.addEventListener('focusout', function (event) {
    if (!menu.contains(event.relatedTarget))
      setTimeout(function () {
        if (menu.isConnected && !menu.contains(document.activeElement))
          menu.remove();
      }, 0);
  });
  Quorvel.root.appendChild(menu);
  // Inside the window, as a desktop keeps a menu on its screen.
  var from = rtl ? x - menu.offsetWidth : x;
  menu.style.left = Math.max(0, Math.min(from, Quorvel.root.clientWidth - menu.offsetWidth - 1)) + 'px';
  menu.style.top = Math.max(0, Math.min(y, Quorvel.root.clientHeight - menu.offsetHeight - 1)) + 'px';
  menu.firstChild.focus();
};
