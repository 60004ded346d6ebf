# The editor on a copy of cases/limits (AutoMax.DAT: 2003, 2004, 2005): record 1 shows with the
# year box focused and nothing changed; Previous there stays with a blue note
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "2003",
    "txtYear0": "7660",
    "txtYear1": "3060",
    "txtYear2": "4900",
    "txtYear3": "2950",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "",
    "color": "#000000",
    "weight": "regular"
  },
  "red_labels": [],
  "current_record": 1,
  "record_count": 3,
  "dirty": false,
  "focus": "txtYear",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --previous
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "No more records." (#0000ff, regular)
# The clean-fuel table under its own caption
$ edit-limits --file Electric.DAT --limits-dir @LIMITS@
File: @LIMITS@/Electric.DAT
Window: Clean Fuel Auto Max Amount
Record 1 of 1
  Year:          2004
   1st Yr + 30%: 0
  1st Yr + 50%:  0
   1st Year Max: 8880
  2nd Year Max:  14200
  3th Year Max:  8450
  4th Year Max:  5125
Status: "" (#000000, regular)
# Next stops at the last record with the note; Previous then goes back one and clears it
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --next --next --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 3 of 3
  Year:          2005
   1st Yr + 30%: 0
  1st Yr + 50%:  0
   1st Year Max: 2960
  2nd Year Max:  4700
  3th Year Max:  2850
  4th Year Max:  1675
Status: "No more records." (#0000ff, regular)
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --next --next --next --previous
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 3
  Year:          2004
   1st Yr + 30%: 7560
  1st Yr + 50%:  10610
   1st Year Max: 2960
  2nd Year Max:  4800
  3th Year Max:  2850
  4th Year Max:  1675
Status: "" (#ff0000, bold)
# The Delete key empties a box without marking the record changed: Next asks nothing
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1= --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 3
  Year:          2004
   1st Yr + 30%: 7560
  1st Yr + 50%:  10610
   1st Year Max: 2960
  2nd Year Max:  4800
  3th Year Max:  2850
  4th Year Max:  1675
Status: "" (#ff0000, bold)
# A letter in a numeric box is refused with a beep and a red message, and marks the record
# changed; the next good key clears the message
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1=x
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3 (changed)
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Only numeric data is allowed." (#ff0000, bold)
Beeps: 1
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1=x1.5
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3 (changed)
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 1.5
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "" (#ff0000, bold)
Beeps: 1
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=x --set txtYear2=y --set txtYear3=z --set txtYear4=w
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3 (changed)
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Only numeric data is allowed." (#ff0000, bold)
Beeps: 4
# The 30% and 50% boxes take any character silently and leave the record unmarked: Next drops
# the change without a question
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear0=n/a --set txtYear5=x.y
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: n/a
  1st Yr + 50%:  x.y
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "" (#000000, regular)
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear0=n/a --set txtYear5=x.y --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 3
  Year:          2004
   1st Yr + 30%: 7560
  1st Yr + 50%:  10610
   1st Year Max: 2960
  2nd Year Max:  4800
  3th Year Max:  2850
  4th Year Max:  1675
Status: "" (#ff0000, bold)
# Each box keeps to its length
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=20045 --set txtYear0=abcdefghi --set txtYear1=123456789 --set txtYear4=123456789 --set txtYear5=123456789
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3 (changed)
  Year:          2004
   1st Yr + 30%: abcdefg
  1st Yr + 50%:  123456789
   1st Year Max: 1234567
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  123456789
Status: "" (#ff0000, bold)
# Save stops at the first failing rule: its label red, its message, the focus in its box, the
# file untouched
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear= --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "",
    "txtYear0": "7660",
    "txtYear1": "3060",
    "txtYear2": "4900",
    "txtYear3": "2950",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Year is required.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": false,
  "focus": "txtYear",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=204 --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "204",
    "txtYear0": "7660",
    "txtYear1": "3060",
    "txtYear2": "4900",
    "txtYear3": "2950",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Year must be 4 digits.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": true,
  "focus": "txtYear",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear0= --set txtYear=2006 --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "2006",
    "txtYear0": "",
    "txtYear1": "3060",
    "txtYear2": "4900",
    "txtYear3": "2950",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Enter zero if rate doesn't apply.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear0"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": true,
  "focus": "txtYear0",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1= --set txtYear=2006 --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "2006",
    "txtYear0": "7660",
    "txtYear1": "",
    "txtYear2": "4900",
    "txtYear3": "2950",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Year amount is required.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear1"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": true,
  "focus": "txtYear1",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear2= --set txtYear=2006 --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "2006",
    "txtYear0": "7660",
    "txtYear1": "3060",
    "txtYear2": "",
    "txtYear3": "2950",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Year amount is required.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear2"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": true,
  "focus": "txtYear2",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear3= --set txtYear=2006 --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "2006",
    "txtYear0": "7660",
    "txtYear1": "3060",
    "txtYear2": "4900",
    "txtYear3": "",
    "txtYear4": "1775",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Year amount is required.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear3"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": true,
  "focus": "txtYear3",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear4= --set txtYear=2006 --save --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "2006",
    "txtYear0": "7660",
    "txtYear1": "3060",
    "txtYear2": "4900",
    "txtYear3": "2950",
    "txtYear4": "",
    "txtYear5": "10710"
  },
  "status": {
    "text": "Year amount is required.",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [
    "lblYear4"
  ],
  "current_record": 1,
  "record_count": 3,
  "dirty": true,
  "focus": "txtYear4",
  "beeps": 0,
  "messages": []
}
# The next save starts with black labels again
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear= --save --set txtYear=2006 --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2006
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20067660 3060 4900 2950 1775 1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=204 --save --set txtYear=2006 --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2006
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20067660 3060 4900 2950 1775 1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear0= --save --set txtYear0=1 --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: 1
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20031    3060 4900 2950 1775 1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1= --save --set txtYear1=1 --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 1
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20037660 1    4900 2950 1775 1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear4= --save --set txtYear4=1 --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20037660 3060 4900 2950 1    1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
# A year of four characters with a point, and an empty 50% box, save
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=20.4 --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          20.4
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20.47660 3060 4900 2950 1775 1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear5= --save
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Record Updated." (#0000ff, regular)
changed AutoMax.DAT: "20037660 3060 4900 2950 1775      20047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
# The file stays readable and writable under the same open: two saves, then the first record
# read again
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --next --set txtYear0=2 --save --previous --set txtYear0=1 --save --next --previous
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3
  Year:          2003
   1st Yr + 30%: 1
  1st Yr + 50%:  10710
   1st Year Max: 3060
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "" (#ff0000, bold)
changed AutoMax.DAT: "20031    3060 4900 2950 1775 1071020042    2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
# A changed record asks before Close and Next: Cancel stays, Yes with a missing amount stays
# with the message, Yes with the record whole saves and goes on
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=1999 --set txtYear1= --answer cancel --close --answer yes --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3 (changed)
  Year:          1999
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max:    <- red
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "Year amount is required." (#ff0000, bold)
Messages:
  [Orvane Asset Depreciation] Save Changes?  -> cancel
  [Orvane Asset Depreciation] Save Changes?  -> yes
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=1999 --set txtYear1= --answer cancel --close --answer yes --next --set txtYear1=1 --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 3
  Year:          2004
   1st Yr + 30%: 7560
  1st Yr + 50%:  10610
   1st Year Max: 2960
  2nd Year Max:  4800
  3th Year Max:  2850
  4th Year Max:  1675
Status: "" (#ff0000, bold)
Messages:
  [Orvane Asset Depreciation] Save Changes?  -> cancel
  [Orvane Asset Depreciation] Save Changes?  -> yes
  [Orvane Asset Depreciation] Save Changes?  -> yes
changed AutoMax.DAT: "19997660 1    4900 2950 1775 1071020047560 2960 4800 2850 1675 1061020050    2960 4700 2850 1675 0    "
# No moves on dropping the change; Delete answered No keeps the record
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear=1999 --answer cancel --next --answer no --next --delete
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 3
  Year:          2004
   1st Yr + 30%: 7560
  1st Yr + 50%:  10610
   1st Year Max: 2960
  2nd Year Max:  4800
  3th Year Max:  2850
  4th Year Max:  1675
Status: "" (#ff0000, bold)
Messages:
  [Orvane Asset Depreciation] Save Changes?  -> cancel
  [Orvane Asset Depreciation] Save Changes?  -> no
  [Orvane Asset Depreciation] Delete current record?  -> no
# Delete answered Yes writes the other records through Temp.tmp (cases/limits holds one left
# from an earlier run, which must not leak in) and shows the record now at the place, or the
# one before when the last is gone; the only record gone, an empty one shows
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --next --delete
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 2
  Year:          2005
   1st Yr + 30%: 0
  1st Yr + 50%:  0
   1st Year Max: 2960
  2nd Year Max:  4700
  3th Year Max:  2850
  4th Year Max:  1675
Status: "Record Deleted" (#0000ff, regular)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> yes
changed AutoMax.DAT: "20037660 3060 4900 2950 1775 1071020050    2960 4700 2850 1675 0    "
removed Temp.tmp
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --next --next --delete
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 2 of 2
  Year:          2004
   1st Yr + 30%: 7560
  1st Yr + 50%:  10610
   1st Year Max: 2960
  2nd Year Max:  4800
  3th Year Max:  2850
  4th Year Max:  1675
Status: "Record Deleted" (#0000ff, regular)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> yes
changed AutoMax.DAT: "20037660 3060 4900 2950 1775 1071020047560 2960 4800 2850 1675 10610"
removed Temp.tmp
$ edit-limits --file Electric.DAT --limits-dir @LIMITS@ --delete
File: @LIMITS@/Electric.DAT
Window: Clean Fuel Auto Max Amount
Record 1 of 1
  Year:          
   1st Yr + 30%: 
  1st Yr + 50%:  
   1st Year Max: 
  2nd Year Max:  
  3th Year Max:  
  4th Year Max:  
Status: "Record Deleted" (#0000ff, regular)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> yes
changed Electric.DAT: ""
removed Temp.tmp
$ edit-limits --file TruckMax.DAT --limits-dir @LIMITS@ --next --delete
File: @LIMITS@/TruckMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 1
  Year:          2003
   1st Yr + 30%: 8060
  1st Yr + 50%:  11110
   1st Year Max: 3360
  2nd Year Max:  5400
  3th Year Max:  3250
  4th Year Max:  1975
Status: "Record Deleted" (#0000ff, regular)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> yes
removed Temp.tmp
changed TruckMax.DAT: "20038060 3360 5400 3250 1975 11110"
# Delete in the truck table changes only the truck file, and shows the record after
$ edit-limits --file TruckMax.DAT --limits-dir @LIMITS@ --delete
File: @LIMITS@/TruckMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 1
  Year:          2004
   1st Yr + 30%: 7960
  1st Yr + 50%:  11010
   1st Year Max: 3260
  2nd Year Max:  5300
  3th Year Max:  3150
  4th Year Max:  1875
Status: "Record Deleted" (#0000ff, regular)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> yes
removed Temp.tmp
changed TruckMax.DAT: "20047960 3260 5300 3150 1875 11010"
# Delete and Add ask nothing of the changed record and keep it marked
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1=1 --answer no --delete
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 1 of 3 (changed)
  Year:          2003
   1st Yr + 30%: 7660
  1st Yr + 50%:  10710
   1st Year Max: 1
  2nd Year Max:  4900
  3th Year Max:  2950
  4th Year Max:  1775
Status: "" (#ff0000, bold)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> no
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --set txtYear1=1 --answer no --delete --add
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 4 of 4 (changed)
  Year:          
   1st Yr + 30%: 
  1st Yr + 50%:  
   1st Year Max: 
  2nd Year Max:  
  3th Year Max:  
  4th Year Max:  
Status: "" (#ff0000, bold)
Messages:
  [Orvane Asset Depreciation] Delete current record?  -> no
# Add makes an empty record after the last, the year box focused; Next reaches it again; Close
# leaves it unwritten, and the closed window takes no more actions
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --add --json
{
  "file": "@LIMITS@/AutoMax.DAT",
  "caption": "Automobile  Maximun Amounts",
  "closed": false,
  "fields": {
    "txtYear": "",
    "txtYear0": "",
    "txtYear1": "",
    "txtYear2": "",
    "txtYear3": "",
    "txtYear4": "",
    "txtYear5": ""
  },
  "status": {
    "text": "",
    "color": "#ff0000",
    "weight": "bold"
  },
  "red_labels": [],
  "current_record": 4,
  "record_count": 4,
  "dirty": false,
  "focus": "txtYear",
  "beeps": 0,
  "messages": []
}
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --add --previous
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 3 of 4
  Year:          2005
   1st Yr + 30%: 0
  1st Yr + 50%:  0
   1st Year Max: 2960
  2nd Year Max:  4700
  3th Year Max:  2850
  4th Year Max:  1675
Status: "" (#ff0000, bold)
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --add --previous --next --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts
Record 4 of 4
  Year:          
   1st Yr + 30%: 
  1st Yr + 50%:  
   1st Year Max: 
  2nd Year Max:  
  3th Year Max:  
  4th Year Max:  
Status: "No more records." (#0000ff, regular)
$ edit-limits --file AutoMax.DAT --limits-dir @LIMITS@ --add --close --next
File: @LIMITS@/AutoMax.DAT
Window: Automobile  Maximun Amounts (closed)
Record 4 of 4
  Year:          
   1st Yr + 30%: 
  1st Yr + 50%:  
   1st Year Max: 
  2nd Year Max:  
  3th Year Max:  
  4th Year Max:  
Status: "" (#ff0000, bold)
Messages:
  [orvane-cli] ignored: --next (the window is closed)
