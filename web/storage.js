// Saved progress in the browser: the program's working folder is kept in IndexedDB through
// Emscripten's IDBFS. It is read back before the program starts, and every save the
// program makes is copied there at once (the host calls Module.persistSaves). The data
// folder inside it is the page's download, not progress: it is never copied.
//
// The page learns how storage fares through Module.onStorage(kind, message): kind "kept"
// after each save that reached IndexedDB, "problem" when storage was refused or is full
// (the game plays on; its progress then lasts only as long as the page).

var ZANDREL_HOME = '/zandrel';
var ZANDREL_DATA = ZANDREL_HOME + '/data';

// Mounted before any step of the run, the file packager's among them: that step fills the
// data folder inside this mount.
Module.preInit = [].concat(Module.preInit || [], function() {
  var localSet = IDBFS.getLocalSet;
  IDBFS.getLocalSet = function(mount, callback) {
    localSet(mount, function(error, set) {
      if (set) {
        Object.keys(set.entries).forEach(function(path) {
          if (path === ZANDREL_DATA || path.indexOf(ZANDREL_DATA + '/') === 0) {
            delete set.entries[path];
          }
        });
      }
      callback(error, set);
    });
  };
  FS.mkdir(ZANDREL_HOME);
  FS.mount(IDBFS, {}, ZANDREL_HOME);
  FS.chdir(ZANDREL_HOME);
});

// Read back once the program's memory exists (writing a file needs it), before it starts.
Module.preRun = [].concat(Module.preRun || [], function() {
  addRunDependency('zandrel-saves');
  FS.syncfs(true, function(error) {
    if (error) zandrelStorage('problem', storageProblem(error, false));
    removeRunDependency('zandrel-saves');
  });
});

function zandrelStorage(kind, message) {
  if (Module.onStorage) Module.onStorage(kind, message);
}

function storageProblem(error, saving) {
  var name = (error && (error.name || (error.target && error.target.error &&
                                       error.target.error.name))) || String(error);
  if (/Quota/i.test(name)) {
    return 'The browser\'s storage is full: this save was not kept. Free some space to keep your scores.';
  }
  return (saving ? 'The browser refused to store this save' :
                   'The browser refuses to store saved progress') +
         ': scores last only until the page is closed.';
}

// Saves come at most once per game, but a copy may still be under way: one more follows it.
var saveCopying = false;
var saveAgain = false;
Module.persistSaves = function() {
  if (saveCopying) {
    saveAgain = true;
    return;
  }
  saveCopying = true;
  FS.syncfs(false, function(error) {
    saveCopying = false;
    zandrelStorage(error ? 'problem' : 'kept', error ? storageProblem(error, true) : '');
    if (saveAgain) {
      saveAgain = false;
      Module.persistSaves();
    }
  });
};
