# A wrong command line of the limit editor exits with 2 and one line
$ edit-limits --file AutoMax.DAT --frobnicate
stderr: orvane-cli edit-limits: unknown option '--frobnicate'
exit: 2
$ edit-limits --file
stderr: orvane-cli edit-limits: option '--file' needs a value
exit: 2
$ edit-limits --next
stderr: orvane-cli edit-limits: option '--file' is required
exit: 2
$ edit-limits --file Other.DAT
stderr: orvane-cli edit-limits: option '--file' takes AutoMax.DAT, Electric.DAT or TruckMax.DAT, not 'Other.DAT'
exit: 2
$ edit-limits --file AutoMax.DAT --answer maybe
stderr: orvane-cli edit-limits: option '--answer' takes yes, no or cancel, not 'maybe'
exit: 2
$ edit-limits --file AutoMax.DAT --set txtCost=1
stderr: orvane-cli edit-limits: option '--set' takes FIELD=TEXT with FIELD one of txtYear, txtYear0 ... txtYear5, not 'txtCost=1'
exit: 2
$ edit-limits --file AutoMax.DAT --limits-dir ''
stderr: orvane-cli edit-limits: option '--limits-dir' takes a folder name, not ''
exit: 2
$ edit-limits --file AutoMax.DAT --next=1
stderr: orvane-cli edit-limits: option '--next' takes no value
exit: 2
