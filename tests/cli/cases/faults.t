# A life of several points: conversion fault, then the leading number is used
$ --today 2024-06-15 --method MACRS --type-life 27.5.5 --cost 100000 --in-service 032004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004         2,879.00         97,121.00 
  2005         3,636.00         93,485.00 
  2006         3,636.00         89,849.00 
  2007         3,636.00         86,213.00 
  2008         3,636.00         82,577.00 
  2009         3,636.00         78,941.00 
  2010         3,636.00         75,305.00 
  2011         3,636.00         71,669.00 
  2012         3,636.00         68,033.00 
  2013         3,636.50         64,396.50 
  2014         3,636.50         60,760.00 
  2015         3,636.50         57,123.50 
  2016         3,636.50         53,487.00 
  2017         3,636.50         49,850.50 
  2018         3,636.50         46,214.00 
  2019         3,636.50         42,577.50 
  2020         3,636.50         38,941.00 
  2021         3,636.50         35,304.50 
  2022         3,636.50         31,668.00 
  2023         3,636.50         28,031.50 
  2024         3,636.50         24,395.00 
  2025         3,636.50         20,758.50 
  2026         3,636.50         17,122.00 
  2027         3,636.50         13,485.50 
  2028         3,636.50          9,849.00 
  2029         3,636.50          6,212.50 
  2030         3,636.50          2,576.00 
  2031         2,576.00               .00 
message: [Calculation Error] Err: 13[Type mismatch]
focus: cmdCalculate
# A cost of several points passes validation and fails every conversion
$ --today 2024-06-15 --method MACRS --life 5 --cost 1.2.3 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [Calculation Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
focus: cmdCalculate
# Letters pasted into the cost
$ --today 2024-06-15 --method MACRS --life 5 --paste txtCost=12ab --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [Calculation Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
message: [Fill Grid Error] Err: 13[Type mismatch]
focus: cmdCalculate
# A life of 0 for straight line divides by zero
$ --today 2024-06-15 --method "Straight Line" --type-life 0 --cost 100 --in-service 012004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00            100.00 
message: [Calculation Error] Err: 11[Division by zero]
focus: cmdCalculate
# A partly typed date sold
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 5 --cost 1000 --in-service 012004 --sold 0320
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           200.00            800.00 
  2005           320.00            480.00 
  2006           192.00            288.00 
  2007           115.20            172.80 
  2008           115.20             57.60 
  2009            57.60               .00 
message: [Calculation Error] Err: 13[Type mismatch]
message: [Calculation Error] Err: 13[Type mismatch]
message: [Calculation Error] Err: 13[Type mismatch]
message: [Calculation Error] Err: 13[Type mismatch]
message: [Calculation Error] Err: 13[Type mismatch]
message: [Calculation Error] Err: 13[Type mismatch]
focus: cmdCalculate
# Letters typed into the cost are refused with a beep
$ --today 2024-06-15 --cost 1a2 --clear
status:        "Cost Missing! " #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
red: lblCost
beeps: 1
focus: txtCost
# A pasted cost of 1e308 at 100% business use: the grid basis overflows, a fault of the grid, and no cell reads inf
$ --today 2024-06-15 --method MACRS --class 'Automobiles (5)' --paste txtCost=1e308 --in-service 012004
status:        "Can't display total depreciation. The life greater then 43 !" #ff0000
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
message: [Fill Grid Error] Err: 6[Overflow]
focus: cmdCalculate
# ADS with a life of 0: the division fault leaves the amount before it sets its caption, so the status line ends empty
$ --today 2024-06-15 --method ADS --type-life 0 --cost 45000 --in-service 012004
status:        "" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004              .00         45,000.00 
message: [Calculation Error] Err: 11[Division by zero]
focus: cmdCalculate
