 1  3	CO	what word completes this: "who was born of the offspring of ___ according to the flesh"?	David
 1  4	CO	what follows "who was declared to be the Son of God with power according to the Spirit of holiness, by the resurrection from the dead"?	Jesus Christ our Lord
 1  7	CO	what follows "to all who are in Rome, beloved of God, called to be saints"?	Grace to you and peace from God our Father and the Lord Jesus Christ
 2 x	CO	broken	line
 1 18	CO	give the missing word: "the wrath of God is revealed from ___ against all ungodliness and unrighteousness"	Heaven
 1 20	CO	give the missing word: "even his ___ power and divinity"	Everlasting
 1 21	CO	what word completes this: "but ___ vain in their reasoning"?	Became
 1 22	CO	what follows "Professing themselves to be wise"?	They became fools
 1 25	CO	what word completes this: "and worshiped and served the ___ rather than the Creator"?	Creature
 1 30	CO	what word completes this: "insolent, ___, boastful, inventors of"?	Arrogant
 2  1	CO	give the missing word: "For in that which you ___ another"	Judge
 2  1	CO	what follows "Therefore you are without excuse"?	O man, whoever you are who judge. For in that which you judge another, you condemn yourself. For you who judge practice the same things
 2  5	CO	what follows "But according to your hardness and unrepentant heart you are treasuring up for yourself wrath in the day of wrath"?	Revelation, and of the righteous judgment of God
 2  5	CO	give the missing word: "your hardness and unrepentant heart you are ___ up for yourself wrath in"	Treasuring
 2  6	CO	give the missing word: "who will pay back to ___ according to their works"	Everyone
 2  7	CO	what follows "to those who by perseverance in well-doing seek for glory, honor"?	And incorruptibility, eternal life
 2  7	CO	how does Paul finish this: "to those who ..."?	By perseverance in well-doing seek for glory
 2  8	CO	give the missing word: "but obey ___, will be wrath"	Unrighteousness
 2 10	CO	what word completes this: "and ___ go to every man who"?	Peace
 2 14	CO	what follows "for when Gentiles who don't have the law do by nature the things of the law, these, not having the law"?	Are a law to themselves
 2 16	CO	who will judge the secrets of men?	God
 2 17	CO	what word completes this: "rest on the law, ___ in God"?	Glory
 2 17	CO	what follows "Indeed you bear the name of a Jew"?	Rest on the law, glory in God
 2 19	CO	what word completes this: "you yourself are a guide of the ___, a light to"?	Blind
 2 22	CO	what follows "You who say a man shouldn't commit adultery, do you commit adultery? You who abhor idols"?	Do you rob temples
 2 23	CO	give the missing word: "You who ___ in the law"	Glory
 2 23	CO	what follows "You who glory in the law"?	Do you dishonor God by disobeying the law
 2 25	CO	give the missing word: "For circumcision ___ profits"	Indeed
 2 27	CO	what follows "Won't those who are physically uncircumcised, but fulfill the law"?	Judge you, who with the letter and circumcision are a transgressor of the law
 2 27	CO	what word completes this: "but ___ the law"?	Fulfill
 3  1	CO	give the missing word: "Then what ___ does the Jew have"	Advantage
 3  1	CO	what follows "Then what advantage does the Jew have"?	Or what is the profit of circumcision
 3  2	CO	what word completes this: "they were entrusted with the ___ of God"?	Revelations
 3  3	CO	what word completes this: "Will their lack of faith nullify the ___ of God"?	Faithfulness
 3  5	CO	what follows "But if our unrighteousness commends the righteousness of God, what will we say"?	Is God unrighteous who inflicts wrath? I speak like men do
 3  7	CO	how does Paul finish this: "For if the truth of God ..."?	Through my lie abounded to his glory
 3  7	CO	what follows "For if the truth of God through my lie abounded to his glory"?	Why am I also still judged as a sinner
 3  9	CO	what follows "What then? Are we better than they? No, in no way"?	For we previously warned both Jews and Greeks that they are all under sin
 3 10	CO	what follows "As it is written"?	There is no one righteous; no, not one
 3 14	CO	what is their mouth?	Full of cursing and bitterness
 3 15	CO	give the missing word: "Their feet are ___ to shed blood"	Swift
 3 17	CO	what follows "The way of peace"?	They haven't known
 3 19	CO	what follows "Now we know that whatever things the law says, it speaks to those who are under the law, that every mouth may be closed"?	And all the world may be brought under the judgment of God
 3 22	CO	how does Paul finish this: "even the righteousness of God ..."?	Through faith in Jesus Christ to all and on all
 3 23	CO	what word completes this: "for all have ___, and fall short"?	Sinned
 3 25	CO	what follows "whom God sent to be an atoning sacrifice through faith in his blood, for a demonstration of his righteousness through the passing over of prior sins"?	In God's forbearance
 3 28	CO	give the missing word: "therefore that a man is justified by ___ apart from the works of"	Faith
 3 29	CO	what word completes this: "Isn't he the God of ___ also"?	Gentiles
 3 30	CO	how does Paul finish this: "indeed there is one God who will justify the circumcised ..."?	By faith and the uncircumcised through faith
 4  2	CO	what word completes this: "he has something to ___ about"?	Boast
 4  2	CO	what follows "For if Abraham was justified by works, he has something to boast about"?	But not toward God
 4  8	CO	how does Paul finish this: "Blessed is the man whom the Lord will ..."?	By no means charge with sin
 4 11	CO	give the missing word: "that he might be the ___ of all those who believe"	Father
 4 15	CO	what word completes this: "For the law ___ wrath"?	Produces
 4 18	CO	what follows "Against hope, Abraham in hope believed, to the end that he might become a father of many nations"?	According to that which had been spoken, So will your offspring be
 4 19	CO	give the missing word: "Without being ___ in faith"	Weakened
 4 20	CO	what follows "Yet, looking to the promise of God"?	He didn't waver through unbelief, but grew strong through faith, giving glory to God
 4 25	CO	what follows "who was delivered up for our trespasses"?	And was raised for our justification
 5  4	CO	what word completes this: "and perseverance, ___ character"?	Proven
 5 10	CO	what follows "For if while we were enemies, we were reconciled to God through the death of his Son"?	Much more, being reconciled, we will be saved by his life
 5 13	CO	what follows "For until the law"?	Sin was in the world; but sin is not charged when there is no law
 5 17	CO	what follows "For if by the trespass of the one"?	Death reigned through the one; so much more will those who receive the abundance of grace and of the gift of righteousness reign in life through the one, Jesus Christ
 5 17	CO	how does Paul finish this: "For if by the trespass of the one, death reigned ..."?	Through the one
 5 20	CO	what word completes this: "but where sin abounded, ___ abounded more exceedingly"?	Grace
 6  1	CO	what word completes this: "that ___ may abound"?	Grace
 6  4	CO	how does Paul finish this: "We were buried therefore with him ..."?	Through baptism into death
 6  7	CO	give the missing word: "For he who has died has been ___ from sin"	Freed
 6  9	CO	what follows "knowing that Christ"?	Being raised from the dead, dies no more. Death no longer has dominion over him
 6 11	CO	what follows "Thus consider yourselves also to be dead to sin"?	But alive to God in Christ Jesus our Lord
 6 13	CO	what word completes this: "and your members as ___ of righteousness to God"?	Instruments
 6 14	CO	what follows "For sin will not have dominion over you"?	For you are not under law, but under grace
 6 19	CO	give the missing word: "now present your members as servants to ___ for sanctification"	Righteousness
 6 19	CO	why does Paul say, "I speak in human terms"?	Because of the weakness of your flesh; for as you presented your members as servants to uncleanness and
 6 20	CO	what follows "For when you were servants of sin"?	You were free from righteousness
 6 20	CO	give the missing word: "For when you were ___ of sin"	Servants
 7  2	CO	how does Paul finish this: "For the woman that has a husband is bound ..."?	By law to the husband while he lives
 7  4	CO	what word completes this: "that we might produce ___ to God"?	Fruit
 7  6	CO	what follows "But now we have been discharged from the law, having died to that in which we were held; so that we serve in newness of the spirit"?	And not in oldness of the letter
 7  6	CO	give the missing word: "But now we have been ___ from the law"	Discharged
 7  7	CO	how does Paul finish this: "However, I wouldn't have known sin except ..."?	Through the law
 7  8	CO	how does Paul finish this: "But sin, finding occasion ..."?	Through the commandment
 7 11	CO	what follows "for sin, finding occasion through the commandment, deceived me"?	And through it killed me
 7 13	CO	how does Paul finish this: "was producing death in me ..."?	Through that which is good
 7 17	CO	give the missing word: "but sin which ___ in me"	Dwells
 7 21	CO	what follows "I find then the law that"?	While I desire to do good, evil is present
 7 22	CO	what word completes this: "For I delight in ___ law after the inward person"?	God's
 7 25	CO	give the missing word: "I myself ___ God's law"	Serve
 7 25	CO	what follows "I thank God through Jesus Christ, our Lord! So then with the mind"?	I myself serve God's law, but with the flesh, sin's law
 8  1	CO	what word completes this: "condemnation to those who are in Christ ___, who don't walk"?	Jesus
 8  4	CO	what follows "that the ordinance of the law might be fulfilled in us who don't walk according to the flesh"?	But according to the Spirit
 8  6	CO	give the missing word: "but the mind of the ___ is life and peace"	Spirit
 8  9	CO	what follows "But you are not in the flesh but in the Spirit, if it is so that the Spirit of God dwells in you. But if any man doesn't have the Spirit of Christ"?	He is not his
 8 11	CO	give the missing word: "your mortal bodies through his Spirit who ___ in you"	Dwells
 8 14	CO	how does Paul finish this: "For as many as are led ..."?	By the Spirit of God
 8 15	CO	give the missing word: "but you received the Spirit of ___, by whom we"	Adoption
 8 16	CO	give the missing word: "The Spirit himself ___ with our spirit that we"	Testifies
 8 20	CO	why does Paul say, "not of its own will, but"?	Because of him who subjected it, in hope
 8 24	CO	what follows "For we were saved in hope"?	But hope that is seen is not hope. For who hopes for that which he sees
 8 25	CO	what follows "But if we hope for that which we don't see"?	We wait for it with patience
 8 27	CO	why does Paul say, "he who searches the hearts knows what is on the Spirit's mind"?	Because he makes intercession for the saints according to God
 8 27	CO	what word completes this: "because he makes ___ for the saints according to"?	Intercession
 8 31	CO	what follows "What then shall we say about these things"?	If God is for us, who can be against us
 8 31	CO	what follows "What then shall we say about these things? If God is for us"?	Who can be against us
 8 33	CO	what word completes this: "Who could ___ a charge against God's chosen"?	Bring
 9  2	CO	give the missing word: "that I have great sorrow and ___ pain in my heart"	Unceasing
 9  2	CO	what word completes this: "that I have great ___ and unceasing pain in my"?	Sorrow
 9  5	CO	what follows "of whom are the fathers, and from whom is Christ as concerning the flesh"?	Who is over all, God, blessed forever. Amen
 9  7	CO	what word completes this: "because they are Abraham's ___, are they all"?	Offspring
 9  7	CO	what follows "Neither, because they are Abraham's offspring"?	Are they all children. But, your offspring will be accounted as from Isaac
 9  9	CO	what word completes this: "and ___ will have a son"?	Sarah
 9 10	CO	how does Paul finish this: "Not only so, but Rebekah also conceived ..."?	By one
 9 12	CO	what word completes this: "The ___ will serve the younger"?	Elder
 9 15	CO	what follows "For he said to Moses, I will have mercy on whom I have mercy"?	And I will have compassion on whom I have compassion
 9 15	CO	give the missing word: "and I will have ___ on whom I have compassion"	Compassion
 9 16	CO	give the missing word: "then it is not of him who ___, nor of him"	Wills
 9 17	CO	what word completes this: "For this very purpose I ___ you to be raised up"?	Caused
 9 19	CO	what follows "You will say then to me"?	Why does he still find fault? For who withstands his will
 9 19	CO	what word completes this: "For who ___ his will"?	Withstands
 9 21	CO	give the missing word: "same lump to make one part a ___ for honor"	Vessel
 9 22	CO	give the missing word: "show his wrath and to make his ___ known"	Power
 9 23	CO	give the missing word: "known the riches of his glory on ___ of mercy"	Vessels
 9 23	CO	what follows "and that he might make known the riches of his glory on vessels of mercy"?	Which he prepared beforehand for glory--
 9 29	CO	give the missing word: "we would have become like ___, and would have"	Sodom
 9 31	CO	what follows "but Israel, following after a law of righteousness"?	Didn't arrive at the law of righteousness
 9 32	CO	what follows "Why? Because they didn't seek it by faith, but as it were by works of the law"?	They stumbled over the stumbling stone
10  3	CO	what follows "For being ignorant of God's righteousness"?	And seeking to establish their own righteousness, they didn't subject themselves to the righteousness of God
10  4	CO	give the missing word: "is the fulfillment of the law for ___ to everyone who believes"	Righteousness
10  6	CO	what is the righteousness which?	Of faith says this
10  8	CO	give the missing word: "the word of ___ which we preach"	Faith
10  9	CO	what follows "that if you will confess with your mouth that Jesus is Lord and believe in your heart that God raised him from the dead"?	You will be saved
10 10	CO	what follows "For with the heart one believes resulting in righteousness"?	And with the mouth confession is made resulting in salvation
11  2	CO	what word completes this: "How he ___ with God against Israel"?	Pleads
11  3	CO	give the missing word: "they have ___ your prophets"	Killed
11  3	CO	what follows "Lord, they have killed your prophets. They have broken down your altars"?	I am left alone, and they seek my life
11  5	CO	give the missing word: "Even so too at this ___ time also there is a"	Present
11  6	CO	give the missing word: "then it is no ___ of works"	Longer
11  6	CO	what follows "And if by grace"?	Then it is no longer of works; otherwise grace is no longer grace. But if it is of works, it is no longer grace; otherwise work is no longer work
11  9	CO	what follows "David says, Let their table be made a snare"?	A trap, a stumbling block, and a retribution to them
11 12	CO	what follows "Now if their fall is the riches of the world, and their loss the riches of the Gentiles"?	How much more their fullness
11 12	CO	give the missing word: "and their loss the ___ of the Gentiles"	Riches
11 13	CO	what follows "For I speak to you who are Gentiles"?	Since then as I am an apostle to Gentiles, I glorify my ministry
11 14	CO	what follows "if by any means I may provoke to jealousy those who are my flesh"?	And may save some of them
11 16	CO	what follows "If the first fruit is holy, so is the lump"?	If the root is holy, so are the branches
11 18	CO	what follows "don't boast over the branches. But if you boast, remember that it is not you who support the root"?	But the root supports you
11 19	CO	give the missing word: "Branches were ___ off"	Broken
11 20	CO	what follows "True; by their unbelief they were broken off"?	And you stand by your faith. Don't be conceited, but fear
11 24	CO	how does Paul finish this: "For if you were cut out of that which is ..."?	By nature a wild olive tree
11 24	CO	what word completes this: "cut out of that which is by ___ a wild olive tree"?	Nature
11 28	CO	what word completes this: "they are ___ for the fathers' sake"?	Beloved
11 31	CO	what follows "even so these also have now been disobedient"?	That by the mercy shown to you they may also obtain mercy
11 33	CO	what word completes this: "How ___ are his judgments"?	Unsearchable
11 35	CO	what word completes this: "and it will be ___ to him again"?	Repaid
12  1	CO	how does Paul finish this: "Therefore I urge you, brothers ..."?	By the mercies of God
12  2	CO	give the missing word: "but be transformed by the ___ of your mind"	Renewing
12  3	CO	what follows "For I say through the grace that was given me, to everyone who is among you, not to think of yourself more highly than you ought to think"?	But to think reasonably, as God has apportioned to each person a measure of faith
12  8	CO	give the missing word: "to his ___; he who gives"	Exhorting
12  9	CO	what follows "Let love be without hypocrisy"?	Abhor that which is evil. Cling to that which is good
12  9	CO	what word completes this: "Let love be without ___. Abhor that which"?	Hypocrisy
12 10	CO	what word completes this: "In love of the brothers be tenderly ___ to one another"?	Affectionate
12 10	CO	what follows "In love of the brothers be tenderly affectionate to one another"?	In honor prefer one another
12 13	CO	what word completes this: "contributing to the needs of the ___, and given to"?	Saints
12 15	CO	what follows "Rejoice with those who rejoice"?	Weep with those who weep
12 20	CO	why does Paul say, "if he is thirsty, give him a drink"?	For in doing so, you will heap coals of fire on his head
12 21	CO	how does Paul finish this: "Don't be overcome ..."?	By evil
13  1	CO	what word completes this: "and those who exist are ___ by God"?	Ordained
13  3	CO	what follows "For rulers are not a terror to the good work"?	But to the evil. Do you desire to have no fear of the authority? Do that which is good, and you will have praise from the authority
13  8	CO	why does Paul say, "owe no one anything, except to love one another"?	For he who loves his neighbor has fulfilled the law
13  8	CO	what word completes this: "for he who loves his ___ has fulfilled the law"?	Neighbor
13 11	CO	what word completes this: "for ___ is now nearer to us"?	Salvation
13 12	CO	what follows "The night is far gone, and the day is near. Let's therefore throw off the deeds of darkness"?	And let's put on the armor of light
13 14	CO	what follows "But put on the Lord Jesus Christ"?	And make no provision for the flesh, for its lusts
14  2	CO	give the missing word: "One man has ___ to eat all things"	Faith
14  2	CO	what follows "One man has faith to eat all things"?	But he who is weak eats only vegetables
14  4	CO	what follows "Who are you who judge another's servant? To his own lord he stands or falls"?	Yes, he will be made to stand, for God has power to make him stand
14  5	CO	give the missing word: "One man esteems one day as more ___. Another esteems every"	Important
14  6	CO	give the missing word: "to the Lord he does not ___ it"	Observe
14  8	CO	what follows "For if we live, we live to the Lord. Or if we die"?	We die to the Lord. If therefore we live or die, we are the Lord's
14 11	CO	what follows "For it is written, 'As I live,' says the Lord"?	To me every knee will bow. Every tongue will confess to God
14 12	CO	give the missing word: "then each one of us will give ___ of himself to God"	Account
14 17	CO	what word completes this: "for God's Kingdom is not eating and ___, but righteousness, peace"?	Drinking
14 21	CO	how does Paul finish this: "drink wine, nor do anything ..."?	By which your brother stumbles
14 21	CO	what follows "It is good to not eat meat, drink wine, nor do anything by which your brother stumbles"?	Is offended, or is made weak
15  1	CO	what word completes this: "Now we who are strong ___ to bear the weaknesses of"?	Ought
15  4	CO	give the missing word: "were written before were written for our ___, that through perseverance"	Learning
15  4	CO	what follows "For whatever things were written before were written for our learning"?	That through perseverance and through encouragement of the Scriptures we might have hope
15  5	CO	what word completes this: "Now the God of perseverance and of ___ grant you to be of"?	Encouragement
15  7	CO	what follows "Therefore accept one another"?	Even as Christ also accepted you, to the glory of God
15  9	CO	give the missing word: "As it is ___, Therefore I will"	Written
15 10	CO	what follows "Again he says, Rejoice"?	You Gentiles, with his people
15 11	CO	what follows "Again, Praise the Lord, all you Gentiles"?	Let all the peoples praise him
15 11	CO	what word completes this: "all you ___! Let all the"?	Gentiles
15 14	CO	give the missing word: "I myself am also ___ about you"	Persuaded
15 14	CO	what follows "I myself am also persuaded about you, my brothers, that you yourselves are full of goodness, filled with all knowledge"?	Able also to admonish others
15 15	CO	give the missing word: "because of the ___ that was given to me"	Grace
15 15	CO	what follows "But I write the more boldly to you in part as reminding you"?	Because of the grace that was given to me by God
15 17	CO	give the missing word: "I have therefore my boasting in Christ ___ in things pertaining to God"	Jesus
15 22	CO	what word completes this: "I was hindered these many times from ___ to you"?	Coming
15 23	CO	what word completes this: "no longer having any ___ in these regions"?	Place
15 25	CO	what follows "But now, I say"?	I am going to Jerusalem, serving the saints
15 33	CO	what word completes this: "Now the God of ___ be with you all"?	Peace
16  2	CO	give the missing word: "and that you ___ her in whatever matter she"	Assist
16  4	CO	what follows "who risked their own necks for my life"?	To whom not only I give thanks, but also all the assemblies of the Gentiles
16  5	CO	what follows "Greet the assembly that is in their house. Greet Epaenetus"?	My beloved, who is the first fruits of Achaia to Christ
16  6	CO	give the missing word: "who ___ much for us"	Labored
16  7	CO	what follows "Greet Andronicus and Junia, my relatives and my fellow prisoners"?	Who are notable among the apostles, who were also in Christ before me
16  8	CO	what word completes this: "my ___ in the Lord"?	Beloved
16  8	CO	give the missing word: "my ___ in the Lord"	Beloved
16 10	CO	what word completes this: "the ___ in Christ"?	Approved
16 12	CO	what follows "Greet Tryphaena and Tryphosa, who labor in the Lord. Greet Persis"?	The beloved, who labored much in the Lord
16 12	CO	give the missing word: "who ___ much in the Lord"	Labored
16 14	CO	give the missing word: "Hermes, ___, Hermas, and the"	Patrobas
16 14	CO	what are the brothers who?	With them
16 15	CO	give the missing word: "Greet Philologus and Julia, ___ and his sister"	Nereus
16 16	CO	give the missing word: "The assemblies of ___ greet you"	Christ
16 17	CO	give the missing word: "the divisions and occasions of stumbling, ___ to the doctrine which you"	Contrary
16 19	CO	give the missing word: "But I ___ to have you wise in"	Desire
16 20	CO	what word completes this: "The grace of our Lord ___ Christ be with you"?	Jesus
16 24	CO	give the missing word: "The grace of our Lord ___ Christ be with you all"	Jesus
17  1	CO	what follows "James, a servant of God and of the Lord Jesus Christ"?	To the twelve tribes which are in the Dispersion: Greetings
17  8	CO	what follows "He is a double-minded man"?	Unstable in all his ways
17 10	CO	what follows "and the rich"?	In that he is made humble, because like the flower in the grass, he will pass away
17 12	CO	what follows "Blessed is a person who endures temptation, for when he has been approved"?	He will receive the crown of life which the Lord promised to those who love him
17 16	CO	what follows "Don't be deceived"?	My beloved brothers
17 17	CO	give the missing word: "every perfect gift is from above, ___ down from the Father of"	Coming
17 17	CO	what follows "Every good gift and every perfect gift is from above, coming down from the Father of lights"?	With whom can be no variation nor turning shadow
17 18	CO	what follows "Of his own will he gave birth to us by the word of truth"?	That we should be a kind of first fruits of his creatures
17 20	CO	what word completes this: "for the anger of man doesn't ___ the righteousness of God"?	Produce
17 22	CO	give the missing word: "and not only hearers, ___ your own selves"	Deluding
17 23	CO	what follows "For if anyone is a hearer of the word and not a doer"?	He is like a man looking at his natural face in a mirror
17 25	CO	give the missing word: "who looks into the perfect law of ___ and continues"	Freedom
18 11	CO	give the missing word: "you have become a ___ of the law"	Transgressor
18 14	CO	what follows "What good is it, my brothers"?	If a man says he has faith, but has no works? Can faith save him
18 18	CO	give the missing word: "Show me your ___ without works"	Faith
18 18	CO	how does James finish this: "and I will show you my faith ..."?	By my works
18 22	CO	how does James finish this: "You see that faith worked with his works, and ..."?	By works faith was perfected
18 23	CO	give the missing word: "and he was called the ___ of God"	Friend
18 24	CO	what follows "You see then that by works a man is justified"?	And not only by faith
18 26	CO	what word completes this: "For as the body apart from the ___ is dead"?	Spirit
19  1	CO	what follows "Let not many of you be teachers"?	My brothers, knowing that we will receive heavier judgment
19  2	CO	what follows "For we all stumble in many things. Anyone who doesn't stumble in word is a perfect person"?	Able to bridle the whole body also
19  5	CO	give the missing word: "See how a small fire can ___ to a large forest"	Spread
19  6	CO	what word completes this: "The ___ of iniquity among our members"?	World
19  7	CO	what follows "For every kind of animal"?	Bird, creeping thing, and sea creature is tamed, and has been tamed by mankind
19  7	CO	give the missing word: "and sea ___ is tamed"	Creature
19  9	CO	what word completes this: "and with it we ___ men who are made in"?	Curse
19 13	CO	how does James finish this: "Let him show ..."?	By his good conduct that his deeds are done in
19 13	CO	what word completes this: "show by his good conduct that his ___ are done in gentleness of"?	Deeds
19 14	CO	what word completes this: "if you have bitter jealousy and selfish ___ in your heart"?	Ambition
19 14	CO	what follows "But if you have bitter jealousy and selfish ambition in your heart"?	Don't boast and don't lie against the truth
19 15	CO	what follows "This wisdom is not that which comes down from above, but is earthly"?	Sensual, and demonic
19 15	CO	what word completes this: "This wisdom is not that which ___ down from above"?	Comes
19 17	CO	what follows "But the wisdom that is from above is first pure, then peaceful, gentle, reasonable, full of mercy and good fruits"?	Without partiality, and without hypocrisy
20  1	CO	what follows "Where do wars and fightings among you come from"?	Don't they come from your pleasures that war in your members
20  6	CO	what follows "But he gives more grace"?	Therefore it says, God resists the proud, but gives grace to the humble
20  8	CO	what follows "Draw near to God, and he will draw near to you. Cleanse your hands"?	You sinners. Purify your hearts, you double-minded
20  9	CO	what follows "Lament, mourn, and weep"?	Let your laughter be turned to mourning and your joy to gloom
20 11	CO	give the missing word: "speaks against the law and ___ the law"	Judges
20 11	CO	what follows "Don't speak against one another, brothers. He who speaks against a brother and judges his brother, speaks against the law and judges the law"?	But if you judge the law, you are not a doer of the law but a judge
20 15	CO	give the missing word: "If the Lord ___, we will both"	Wills
21  1	CO	give the missing word: "weep and howl for your ___ that are coming on you"	Miseries
21  4	CO	how does James finish this: "which you have kept back ..."?	By fraud
21 11	CO	what word completes this: "and how the Lord is full of ___ and mercy"?	Compassion
21 15	CO	what follows "and the prayer of faith will heal him who is sick, and the Lord will raise him up"?	If he has committed sins, he will be forgiven
21 17	CO	what follows "Elijah was a man with a nature like ours, and he prayed earnestly that it might not rain"?	And it didn't rain on the earth for three years and six months
